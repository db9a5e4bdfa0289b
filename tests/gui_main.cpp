// Entry point of the widget tests: one QApplication for every test, on the
// offscreen platform unless the caller chose another (the Xvfb tests do).
#include <QApplication>
#include <QByteArray>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        std::string dir = "/tmp/pelmora-gui-tests.XXXXXX";
        if (::mkdtemp(dir.data()) != nullptr) {
            qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(dir));
        }
    }
    QApplication::setApplicationName("KandroGMClass");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
