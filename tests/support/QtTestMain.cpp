// Runs GoogleTest inside a QApplication with the program's Chinese translations.
#include "app/Translations.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    lindquay::installChineseTranslations(application);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
