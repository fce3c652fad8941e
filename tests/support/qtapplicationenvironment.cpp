// One QApplication for the whole test program, made before the first test
// and destroyed after the last. Registered while statics are initialised, so
// that gtest_main's main() needs nothing from us.

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class CQtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        // Never on the developer's screen, whatever the shell says.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "glintra_tests";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
        QGuiApplication::setApplicationDisplayName(QStringLiteral("Pallima Glintra"));
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QApplication> m_app;
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new CQtApplicationEnvironment);

} // namespace
