#include "ui/Printers.h"

#include <QPrinterInfo>

namespace {

// -1: ask the printing system; 0 or 1: the answer a test installed.
int &installedAnswer()
{
    static int answer = -1;
    return answer;
}

} // namespace

bool PrintersInstalled()
{
    if (installedAnswer() >= 0)
        return installedAnswer() == 1;
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

TScopedPrinterCheck::TScopedPrinterCheck(bool installed)
    : m_previous(installedAnswer())
{
    installedAnswer() = installed ? 1 : 0;
}

TScopedPrinterCheck::~TScopedPrinterCheck()
{
    installedAnswer() = m_previous;
}
