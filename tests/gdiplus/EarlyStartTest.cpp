// A wrapper of the link-time bound module created while the program's static
// objects are still being built, before the module's own start-up may have
// run: the library is started on demand.

#include "gdiplus/KestGDIP.h"

#include <gtest/gtest.h>

namespace {

struct TEarlyWrapper {
    bool StartedBefore = false;
    GdiplusFlat::Status Created = GdiplusFlat::GenericError;

    TEarlyWrapper()
    {
        StartedBefore = KestGDIP::ModuleStarted();
        auto pen = std::make_unique<KestGDIP::TGPPen>(0xFF000000, 1);
        Created = pen->GetLastStatus();
    }
};

const TEarlyWrapper Early;

TEST(EarlyStart, WrapperCreatedBeforeStartUpWorks)
{
    EXPECT_FALSE(Early.StartedBefore) << "the module started before this test's static objects";
    EXPECT_EQ(Early.Created, GdiplusFlat::Ok);
    EXPECT_TRUE(KestGDIP::ModuleStarted());
}

}
