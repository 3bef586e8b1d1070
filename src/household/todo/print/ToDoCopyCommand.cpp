#include "ToDoCopyCommand.h"

#include "Services.h"
#include "TextMeasure.h"
#include "ToDoCopyText.h"

void CopyToDoToClipboard(Services& services, const std::vector<ToDoRow>& rows,
                         const QString& dateCaption, const PrintFont& printerFont) {
    services.clipboard.putText(
        ToDoCopyText::build(rows, dateCaption, [&printerFont](const QString& text) {
            return TextMeasure::width(printerFont, text);
        }));
    services.dialogs.message({QStringLiteral("Data has been copied to the Windows Clipboard."),
                              QStringLiteral("Copy Option"), Dialogs::Icon::Information});
}
