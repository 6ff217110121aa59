// The printer-setup dialog of the menu "&Printer".
#include "ui/common/printer_setup_dialog.h"

#include <QPrintDialog>
#include <QPrinter>

namespace kavren {

bool runPrinterSetupDialog(QPrinter &printer, QWidget *parent) {
    // The dialog works on a copy of the settings, so that "Cancel" leaves the printer as it was.
    QPrinter chosen(QPrinter::HighResolution);
    chosen.setPrinterName(printer.printerName());
    chosen.setPageLayout(printer.pageLayout());
    chosen.setCopyCount(printer.copyCount());
    QPrintDialog dialog(&chosen, parent);
    dialog.setObjectName(QStringLiteral("printerSetup"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    printer.setPrinterName(chosen.printerName());
    printer.setPageLayout(chosen.pageLayout());
    printer.setCopyCount(chosen.copyCount());
    return true;
}

} // namespace kavren
