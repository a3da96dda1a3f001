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

TEST_F(LFSCarsTest, NamesMatchWholeAndCaseSensitively) {
    EXPECT_EQ(core::FindLFSCarByName("XR GT"), 2);
    EXPECT_EQ(core::FindLFSCarByName("XR GT Turbo"), 7);
    // A vehicle name comes padded to 32 characters; padding does not matter.
    EXPECT_EQ(core::FindLFSCarByName(core::PadFixed("XR GT", 32)), 2);
    EXPECT_EQ(core::FindLFSCarByName("xr gt"), -1);
    EXPECT_EQ(core::FindLFSCarByName("XR G"), -1);
    EXPECT_EQ(core::FindLFSCarByName(" XR GT"), -1);
    EXPECT_EQ(core::FindLFSCarByName(""), -1);
    EXPECT_EQ(core::FindLFSCarByName("BMW Sauber F1.06"), 19);
    EXPECT_EQ(Car(0).Name.size(), 32u);
}

TEST_F(LFSCarsTest, CodesMatchExactly) {
    EXPECT_EQ(core::FindLFSCarByCode("XRT"), 7);
    EXPECT_EQ(core::FindLFSCarByCode("UF1"), 0);
    EXPECT_EQ(core::FindLFSCarByCode("VWS"), 20);
    EXPECT_EQ(core::FindLFSCarByCode("xrt"), -1);
    EXPECT_EQ(core::FindLFSCarByCode("XR"), -1);
    EXPECT_EQ(core::FindLFSCarByCode(""), -1);
}

TEST_F(LFSCarsTest, CodesAndNamesAreUnique) {
    for (int i = 0; i < 21; ++i) {
        EXPECT_EQ(core::FindLFSCarByName(Car(i).Name), i) << i;
        EXPECT_EQ(core::FindLFSCarByCode(Car(i).Code), i) << i;
        EXPECT_EQ(Car(i).Code.size(), 3u);
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
    EXPECT_EQ(Car(2).FixedCaster, 60);    // XR GT: 6.0 degrees
    EXPECT_EQ(Car(20).FixedCaster, 77);   // VW Scirocco
}

TEST_F(LFSCarsTest, RowFactsOtherModulesUse) {
    EXPECT_EQ(Car(15).Name.substr(0, 4), "MRT5");
    EXPECT_EQ(Car(15).ReverseRatio, 0.0f);
    EXPECT_EQ(Car(1).TravelReference[0], -0.01f);
    EXPECT_EQ(Car(1).TravelReference[1], -0.02f);
    EXPECT_EQ(Car(2).ReverseRatio, 3.578f);
    EXPECT_EQ(Car(19).HasThrottleSettings, core::VbTrue);   // BMW Sauber F1.06 only
    EXPECT_EQ(Car(18).HasThrottleSettings, core::VbFalse);
    EXPECT_EQ(Car(8).HasAntiRollBar[0], core::VbTrue);      // RaceAbout: front bar only
    EXPECT_EQ(Car(8).HasAntiRollBar[1], core::VbFalse);
    EXPECT_EQ(Car(0).DiffTypeSelectable, core::VbFalse);    // UF 1000: open diff only
    EXPECT_EQ(Car(0).HasConfig, core::VbTrue);
    EXPECT_EQ(Car(19).MaxSteerLock, 16);
    int simplifiedDampers = 0;
    for (int i = 0; i < 21; ++i) simplifiedDampers += Car(i).SimplifiedDampers != 0;
    EXPECT_EQ(simplifiedDampers, 3);  // UF 1000, XF GTi, XR GT
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
