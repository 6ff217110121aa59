// Menu "&Printer": the platform's printer-setup dialog (printer, copies, pages). The printer and
// paper chosen stay in the given printer object for the report; "Cancel" changes nothing and
// shows no message.
#pragma once

class QPrinter;
class QWidget;

namespace kavren {

// Shows the dialog modally; true when the user confirmed it.
bool runPrinterSetupDialog(QPrinter &printer, QWidget *parent);

} // namespace kavren
