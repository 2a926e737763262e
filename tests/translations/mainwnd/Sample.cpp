// Texts for the translation check to find fault with; never built.
#include <QCoreApplication>

QString marked()
{
    return QCoreApplication::translate("Sample", "Marked");
}

QString kept(const QString& name)
{
    return QCoreApplication::translate("Sample", "&Keep %1").arg(name);
}

QString added()
{
    return QCoreApplication::translate("Sample", "New text");
}
