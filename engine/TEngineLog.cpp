#include "engine/TEngineLog.h"

TEngineLog::~TEngineLog() = default;
