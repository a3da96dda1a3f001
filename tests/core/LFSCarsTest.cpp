// The simulator car table: matching by name and code, and the facts other modules rely on.
#include <gtest/gtest.h>

#include "core/LFSCars.hpp"

namespace {

class LFSCarsTest : public ::testing::Test {
protected:
    void SetUp() override {
        core::LFSCarTable() = core::LFSCarsState{};
        core::InitLFSCars();
    }
    const core::LFSCarRecord& Car(int row) { return core::LFSCarTable().LFSCars.at(row); }
};

TEST_F(LFSCarsTest, NamesAndCodesMatchWholeAndCaseSensitively) {
    EXPECT_EQ(core::FindLFSCarByName("XR GT"), 2);
    EXPECT_EQ(core::FindLFSCarByName("XR GT Turbo"), 7);
    // A vehicle name comes padded to 32 characters; padding does not matter.
    EXPECT_EQ(core::FindLFSCarByName(core::PadFixed("XR GT", 32)), 2);
    for (const char* miss : {"xr gt", "XR G", " XR GT", ""}) {
        EXPECT_EQ(core::FindLFSCarByName(miss), -1) << miss;
    }
    EXPECT_EQ(core::FindLFSCarByCode("XRT"), 7);
    for (const char* miss : {"xrt", "XR", ""}) EXPECT_EQ(core::FindLFSCarByCode(miss), -1) << miss;
    // Every row is found again by its own name and code: no two rows share one.
    for (int i = 0; i < 21; ++i) {
        EXPECT_EQ(core::FindLFSCarByName(Car(i).Name), i) << i;
        EXPECT_EQ(core::FindLFSCarByCode(Car(i).Code), i) << i;
    }
}

TEST_F(LFSCarsTest, CasterIsFixedExactlyWhenNotAdjustable) {
    for (int i = 0; i < 21; ++i) {
        if (Car(i).CasterAdjustable == core::VbTrue) {
            EXPECT_EQ(Car(i).FixedCaster, 0) << i;
        } else {
            EXPECT_EQ(Car(i).CasterAdjustable, core::VbFalse) << i;
            EXPECT_GT(Car(i).FixedCaster, 0) << i;
        }
    }
}

TEST_F(LFSCarsTest, CompoundMasksOfferTheNamedCompounds) {
    // Mask bit (7 - k) offers compound k.
    auto offered = [](const core::LFSCarRecord& car) {
        std::vector<int> list;
        for (int k = 0; k <= 8; ++k) {
            if (core::LFSCarOffersCompound(car, k)) list.push_back(k);
        }
        return list;
    };
    EXPECT_EQ(offered(Car(0)), (std::vector<int>{5, 6, 7}));     // mask 7
    EXPECT_EQ(offered(Car(3)), (std::vector<int>{4, 5, 6, 7}));  // mask 15
    EXPECT_EQ(offered(Car(10)), (std::vector<int>{1, 2, 3}));    // mask 112
    EXPECT_EQ(offered(Car(15)), (std::vector<int>{0, 1, 2}));    // mask 224
    for (int i = 0; i < 21; ++i) EXPECT_FALSE(core::LFSCarOffersCompound(Car(i), 8)) << i;
}

}  // namespace
