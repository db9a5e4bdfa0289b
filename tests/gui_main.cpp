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
    // The tester's own desktop settings are never read or written: tests
    // that need a desktop give the pointer settings part their own.
    qputenv("PELMORA_POINTER_BACKEND", "none");
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
