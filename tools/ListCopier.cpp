#include "tools/ListCopier.h"

#include "commands/IListWindow.h"
#include "controls/CItemListCtrl.h"
#include "platform/Clipboard.h"
#include "platform/MessageService.h"
#include "platform/TextNumbers.h"

ListCopier::ListCopier(IListWindow& window)
    : m_window(window)
{
}

QString ListCopier::listText(const CItemListCtrl& list)
{
    QString text;
    for (int row = 0; row < list.itemCount(); ++row) {
        const QString quantity = list.itemText(row, 1);
        if (TextNumbers::toInt(quantity) <= 0) {
            continue;
        }
        text += quantity + QLatin1Char(' ') + list.itemText(row, 2) + QLatin1Char(' ') + list.itemText(row, 0)
                + QStringLiteral(" (") + list.itemText(row, 3) + QStringLiteral(")\n");
    }
    return text;
}

void ListCopier::CopyList()
{
    const QString text = listText(m_window.list());
    switch (Clipboard::setText(text)) {
    case Clipboard::Result::Ok: {
        const auto lines = text.count(QLatin1Char('\n'));
        m_window.ShowNote(lines == 1 ? QStringLiteral("Copied 1 item to the clipboard.")
                                     : QStringLiteral("Copied %1 items to the clipboard.").arg(lines));
        break;
    }
    case Clipboard::Result::CannotOpen:
        MessageService::show(QStringLiteral("Cannot open the Clipboard"), MessageService::Buttons::Ok,
                             m_window.widget());
        break;
    case Clipboard::Result::CannotEmpty:
        MessageService::show(QStringLiteral("Cannot empty the Clipboard"), MessageService::Buttons::Ok,
                             m_window.widget());
        break;
    case Clipboard::Result::CannotSet:
        MessageService::show(QStringLiteral("Unable to set Clipboard data"), MessageService::Buttons::Ok,
                             m_window.widget());
        break;
    }
}
