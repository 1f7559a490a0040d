#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Tests never need a real display; this also lets the build list the tests headless.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform reads fonts from one folder, Qt's own unless QT_QPA_FONTDIR names
    // another. Wine hands the program no QT_ variable, so the build names it in a variable of
    // its own: without it every text under Wine would be measured in a box-glyph fallback.
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR") && !qEnvironmentVariableIsEmpty("ORTELO_PASTA_FONTES"))
        qputenv("QT_QPA_FONTDIR", qgetenv("ORTELO_PASTA_FONTES"));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
