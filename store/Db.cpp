#include "store/Db.h"
