// Read and write speeds of the image drive, which stands for a CD writer:
// the speeds it offers, the one it takes for a wish, and the conversion
// to a multiple of single speed.

#include <cmath>

#include "BurnFixture.h"

namespace {

class DriveSpeeds : public BurnFixture {};

TEST_F(DriveSpeeds, TheImageDriveOffersCdSpeedsFastestFirst) {
  std::int32_t kb = 0, count = 0;
  EXPECT_EQ(GetMaxBurnSpeed(&kb), foxabi::kErrNoDevice);
  SelectImageDrive();

  ASSERT_EQ(GetPossibleBurnSpeeds(nullptr, &count), 0);
  ASSERT_EQ(count, 7);
  std::int32_t speeds[7] = {};
  std::int32_t room = 6;
  EXPECT_EQ(GetPossibleBurnSpeeds(speeds, &room), foxabi::kErrBufferTooSmall);
  EXPECT_EQ(room, 7);
  ASSERT_EQ(GetPossibleBurnSpeeds(speeds, &room), 0);
  std::vector<double> factors;
  for (std::int32_t speed : speeds) {
    double factor = 0;
    ASSERT_EQ(ConvertSpeedFromKBPerSec(speed, &factor), 0);
    factors.push_back(std::round(factor * 10) / 10);
  }
  EXPECT_EQ(factors, (std::vector<double>{48, 40, 32, 24, 16, 8, 4}));
  EXPECT_EQ(speeds[6], 706);  // 4 x 176.4, rounded up as drives expect

  ASSERT_EQ(GetMaxBurnSpeed(&kb), 0);
  EXPECT_EQ(kb, speeds[0]);
  ASSERT_EQ(GetMaxReadSpeed(&kb), 0);
  EXPECT_EQ(kb, speeds[0]);
}

TEST_F(DriveSpeeds, AWishTakesTheFastestOfferedSpeedNotAboveIt) {
  SelectImageDrive();
  std::int32_t kb = 0;
  ASSERT_EQ(GetBurnSpeed(&kb), 0);
  EXPECT_EQ(kb, 8468);  // nothing chosen: the fastest
  ASSERT_EQ(SetBurnSpeed(3000), 0);
  ASSERT_EQ(GetBurnSpeed(&kb), 0);
  EXPECT_EQ(kb, 2823);  // 16x
  ASSERT_EQ(SetBurnSpeed(100), 0);
  ASSERT_EQ(GetBurnSpeed(&kb), 0);
  EXPECT_EQ(kb, 706);  // below the slowest: the slowest
  EXPECT_EQ(SetBurnSpeed(-1), foxabi::kErrInvalidArgument);
  ASSERT_EQ(SetReadSpeed(1412), 0);
  ASSERT_EQ(GetReadSpeed(&kb), 0);
  EXPECT_EQ(kb, 1412);
  ASSERT_EQ(GetMaxBurnSpeed(&kb), 0);
  EXPECT_EQ(kb, 8468);

  // A new device list forgets the choice.
  SelectImageDrive();
  ASSERT_EQ(GetBurnSpeed(&kb), 0);
  EXPECT_EQ(kb, 8468);
  ASSERT_EQ(GetReadSpeed(&kb), 0);
  EXPECT_EQ(kb, 8468);
}

}  // namespace
