// Test programs run inside a real QApplication on the offscreen platform so
// that widgets, fonts and events behave as they do for a user.
#include "framework/Application.h"
#include "support/KnownStartState.h"

#include <gtest/gtest.h>

// Each test program registers the classes of the modules it tests.
void KestTestModuleInit();

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    ::testing::InitGoogleTest(&argc, argv);
    TApplication app(argc, argv);
    KestTestModuleInit();
    ::testing::UnitTest::GetInstance()->listeners().Append(new TKnownStartState); // gtest owns its listeners
    return RUN_ALL_TESTS();
}
