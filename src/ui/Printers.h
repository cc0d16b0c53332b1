#pragma once

// Whether the printing system knows at least one printer. Windows enable
// their print commands by it.
bool PrintersInstalled();

// Makes PrintersInstalled answer as given for as long as the object lives, so
// that tests do not depend on the machine's printers.
class TScopedPrinterCheck {
public:
    explicit TScopedPrinterCheck(bool installed);
    ~TScopedPrinterCheck();
    TScopedPrinterCheck(const TScopedPrinterCheck &) = delete;
    TScopedPrinterCheck &operator=(const TScopedPrinterCheck &) = delete;

private:
    int m_previous;
};
