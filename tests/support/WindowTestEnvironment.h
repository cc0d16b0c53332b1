#pragma once

#include "support/ScriptedPresenter.h"
#include "support/TestSupport.h"

#include <QDateTime>

// What a window test runs in, for as long as it lives: a temporary home for
// the settings, English regional settings, a fixed clock, and a presenter
// that answers from the test's script.
struct WindowTestEnvironment {
    explicit WindowTestEnvironment(const QDateTime &now)
        : clock(now)
    {
    }

    TestSupport::TemporaryHome home;
    Regional::Override regional { TestSupport::englishSettings() };
    Clock::Fixed clock;
    ScriptedPresenter script;
    TScopedPresenter presenter { script };
};
