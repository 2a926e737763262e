#include "platform/widgets/MessageService.h"
#include "store/catalog/CatalogEngines.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    CatalogEngines::install();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Tests lay windows out at the handheld's own size.
    qputenv("GROCELLE_SCALE", "1");
    QApplication app(argc, argv);
    MessageService::takeNotices();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
