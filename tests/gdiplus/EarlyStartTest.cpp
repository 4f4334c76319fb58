// Wrappers of the link-time bound module created while the program's static
// objects are still being built, before the module's own start-up may have
// run: the library is started on demand however the wrapper is made. The
// first one made here is a member of a global, then one on the stack, then
// one with new.

#include "gdiplus/KestGDIP.h"

#include <gtest/gtest.h>

namespace {

struct TEarlyWrappers {
    // Declared first: read before the member wrapper below is built.
    bool StartedBefore = KestGDIP::ModuleStarted();
    KestGDIP::TGPMatrix Member{1, 0, 0, 1, 5, 7};
    GdiplusFlat::Status AsMember = GdiplusFlat::GenericError;
    GdiplusFlat::Status OnStack = GdiplusFlat::GenericError;
    GdiplusFlat::Status ByNew = GdiplusFlat::GenericError;
    float MemberOffsetX = 0;

    TEarlyWrappers()
    {
        AsMember = Member.GetLastStatus();
        MemberOffsetX = Member.OffsetX();
        KestGDIP::TGPSolidBrush brush(0xFF102030);
        OnStack = brush.GetLastStatus();
        auto pen = std::make_unique<KestGDIP::TGPPen>(0xFF000000, 1);
        ByNew = pen->GetLastStatus();
    }
};

const TEarlyWrappers Early;

TEST(EarlyStart, WrappersMadeBeforeStartUpWorkHoweverTheyAreMade)
{
    EXPECT_FALSE(Early.StartedBefore) << "the module started before this test's static objects";
    EXPECT_EQ(Early.AsMember, GdiplusFlat::Ok);
    EXPECT_FLOAT_EQ(Early.MemberOffsetX, 5);
    EXPECT_EQ(Early.OnStack, GdiplusFlat::Ok);
    EXPECT_EQ(Early.ByNew, GdiplusFlat::Ok);
    EXPECT_TRUE(KestGDIP::ModuleStarted());
}

}
