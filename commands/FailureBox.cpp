#include "commands/FailureBox.h"

#include "platform/widgets/MessageService.h"
#include "store/catalog/CatalogFailure.h"

void FailureBox::show(const CAdoException& error, QWidget* parent, const QString& lead)
{
    const QString text = CatalogFailure::text(error);
    const QString message = lead.isEmpty() ? text : lead + QStringLiteral("  ") + text;
    MessageService::showFailure(message, CatalogFailure::detail(error), parent);
}
