#pragma once

#include <QString>

/// Receiver of the engine's developer log. The engine builds no log text unless one is set.
class TEngineLog
{
public:
    virtual ~TEngineLog();
    virtual void AddLogLine(const QString& line) = 0;
};
