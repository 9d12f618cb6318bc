// The analog clock: the point-to-minute and point-to-hour rules around the dial, the dial's
// geometry, the key table with its wraps, clicks inside and outside the dial and on the AM/PM
// box, the hand animation on the virtual clock, the cached dial, the presets and component
// styles; pictures of the twelve presets for review by eye.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/editors/watch.h"
#include "platform/bitmap.h"
#include "platform/forms.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

TDateTime At(int h, int m) { return EncodeTime(h, m, 0, 0); }

std::string HourMinute(TDateTime t) {
  int h, m, s, ms;
  DecodeTime(t, h, m, s, ms);
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02d:%02d", h, m);
  return buf;
}

TEST(WatchRulesTest, PointsAroundTheDialGiveMinutesAndHours) {
  const TPoint c{90, 90};
  struct Case {
    const char* name;
    int x, y;
    int minute, hourAM, hourPM;
  };
  const std::vector<Case> cases = {
      {"straight above", 90, 30, 0, 0, 12},
      {"straight right", 150, 90, 15, 3, 15},
      {"straight below", 90, 150, 30, 6, 18},
      {"straight left", 30, 90, 45, 9, 21},
      {"upper right, 45 degrees", 120, 60, 7, 1, 13},
      {"just left of 12", 80, 30, 58, 12, 0},
      {"lower left", 60, 140, 35, 7, 19},
      {"the centre itself", 90, 90, 23, 5, 17},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    EXPECT_EQ(MinuteAtPoint(c, k.x, k.y), k.minute);
    EXPECT_EQ(HourAtPoint(c, k.x, k.y, true), k.hourAM);
    EXPECT_EQ(HourAtPoint(c, k.x, k.y, false), k.hourPM);
  }
}

TEST(WatchRulesTest, DialSquareCentreAndRadiusFollowSizeAndClient) {
  struct Case {
    const char* name;
    TRect client;
    int size;
    TRect dial;
    TPoint centre;
    int radius;
  };
  const std::vector<Case> cases = {
      {"automatic size keeps 10-pixel margins", Rect(0, 0, 180, 180), 0, Rect(10, 10, 170, 170), {90, 90}, 80},
      {"a size above the client takes its smaller side", Rect(0, 0, 180, 180), 300, Rect(0, 0, 180, 180), {90, 90}, 90},
      {"a set size is centred in a wide client", Rect(0, 0, 200, 150), 100, Rect(50, 25, 150, 125), {100, 75}, 50},
      {"an odd side truncates the margin", Rect(0, 0, 171, 170), 0, Rect(10, 10, 160, 160), {85, 85}, 75},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    const TRect dial = WatchRectOf(k.client, k.size);
    EXPECT_EQ(dial, k.dial);
    EXPECT_EQ(WatchCenterOf(dial), k.centre);
    EXPECT_EQ(WatchRadiusOf(dial), k.radius);
  }
}

TEST(WatchRulesTest, TickMarksChooseMarksAndNumbers) {
  struct Case {
    TTickMarks marks;
    bool quarter, otherHours, minutes, quarterNumbers, otherNumbers;
  };
  const std::vector<Case> cases = {
      {tmAll, true, true, true, true, true},
      {tmHours, true, true, false, false, false},
      {tmQuartHours, true, false, false, true, false},
      {tmNone, false, false, false, false, false},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(static_cast<int>(k.marks));
    const TWatchMarkChoice c = WatchMarkChoice(k.marks, true);
    EXPECT_EQ(c.QuarterMarks, k.quarter);
    EXPECT_EQ(c.OtherHourMarks, k.otherHours);
    EXPECT_EQ(c.MinuteMarks, k.minutes);
    EXPECT_EQ(c.QuarterNumbers, k.quarterNumbers);
    EXPECT_EQ(c.OtherNumbers, k.otherNumbers);
  }
  const TWatchMarkChoice hidden = WatchMarkChoice(tmAll, false);
  EXPECT_FALSE(hidden.QuarterNumbers || hidden.OtherNumbers) << "ShowNumbers off hides every number";
}

class WatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(100, 100, 300, 300);
    watch = New<TExtWatch>(form.get());
    watch->SetParent(form.get());
    watch->SetBounds(10, 10, 180, 180);
    watch->OnChange = [this](TObject*) { changes.push_back(HourMinute(watch->Time())); };
    form->Show();
    kit.Process();
  }
  void TearDown() override { form.reset(); }

  TGuiKit kit;
  std::unique_ptr<TForm> form;
  TExtWatch* watch = nullptr;
  std::vector<std::string> changes;
};

TEST_F(WatchTest, KeysStepTheTimeAndWrapAcrossHoursAndMidnight) {
  struct Case {
    const char* name;
    TDateTime start;
    WORD key;
    const char* after;
  };
  const std::vector<Case> cases = {
      {"Right moves a minute on", At(10, 20), VK_RIGHT, "10:21"},
      {"Right at 59 moves the hour on", At(10, 59), VK_RIGHT, "11:00"},
      {"Right at 23:59 reaches midnight", At(23, 59), VK_RIGHT, "00:00"},
      {"Left moves a minute back", At(10, 20), VK_LEFT, "10:19"},
      {"Left at 0 goes to the hour before", At(10, 0), VK_LEFT, "09:59"},
      {"Left at midnight goes to 23:59", At(0, 0), VK_LEFT, "23:59"},
      {"Page Up moves an hour on", At(5, 10), VK_PRIOR, "06:10"},
      {"Page Up at 23 wraps to 0", At(23, 30), VK_PRIOR, "00:30"},
      {"Page Down at 0 wraps to 23", At(0, 30), VK_NEXT, "23:30"},
      {"Home goes to noon", At(8, 15), VK_HOME, "12:15"},
      {"End from before the half hour", At(8, 15), VK_END, "08:00"},
      {"End from after the half hour passes 12 forwards", At(8, 45), VK_END, "09:00"},
      {"A takes an afternoon time to the morning", At(14, 20), 'A', "02:20"},
      {"P takes a morning time to the afternoon", At(2, 20), 'P', "14:20"},
  };
  watch->SetAnimation(false);
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    watch->SetTime(k.start);
    changes.clear();
    watch->HandleKey(k.key);
    EXPECT_EQ(HourMinute(watch->Time()), k.after);
    EXPECT_EQ(changes, std::vector<std::string>{k.after}) << "each change is reported once";
  }
  watch->SetTime(At(2, 20));
  changes.clear();
  watch->HandleKey('A');
  watch->HandleKey(VK_UP);
  EXPECT_EQ(HourMinute(watch->Time()), "02:20");
  EXPECT_TRUE(changes.empty()) << "A in the morning and keys outside the table change nothing";
  watch->Settings().SetAuto(true);
  const TDateTime running = watch->Time();
  watch->HandleKey(VK_PRIOR);
  EXPECT_EQ(watch->Time(), running) << "a running clock ignores keys";
}

TEST_F(WatchTest, ClicksSetTheMinuteOutsideTheCircleAndTheHourInsideIt) {
  watch->SetAnimation(false);
  watch->SetTime(At(14, 20));
  EXPECT_FALSE(watch->AM());
  kit.Click(watch, 90, 150);
  EXPECT_EQ(HourMinute(watch->Time()), "18:20") << "6 o'clock inside the dial, PM showing";
  watch->SetTime(At(4, 20));
  kit.Click(watch, 90, 150);
  EXPECT_EQ(HourMinute(watch->Time()), "06:20") << "the same point with AM showing";
  kit.Click(watch, 12, 12);
  EXPECT_EQ(HourMinute(watch->Time()), "06:53") << "a corner of the dial square lies outside the circle";
  kit.Click(watch, 90, 2);
  EXPECT_EQ(HourMinute(watch->Time()), "07:00") << "above the dial, from minute 53 forwards past 12";
  EXPECT_EQ(changes, (std::vector<std::string>{"18:20", "06:20", "06:53", "07:00"}));
  const TRect box = watch->GetAMPMRect();
  kit.Click(watch, (box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
  EXPECT_EQ(HourMinute(watch->Time()), "19:00") << "the AM/PM box moves the time 12 hours";
  EXPECT_FALSE(watch->AM());
}

TEST_F(WatchTest, AnimatedHourMovesInShrinkingStepsAndReportsOnceAtTheEnd) {
  watch->SetTime(At(1, 0));
  std::vector<int> hours;
  watch->SetHour(11);
  EXPECT_TRUE(watch->Animating());
  EXPECT_EQ(HourMinute(watch->Time()), "01:00") << "an animated change starts on the timer";
  for (int i = 0; i < 20 && watch->Animating(); ++i) {
    kit.Advance(10);
    int h, m, s, ms;
    DecodeTime(watch->Time(), h, m, s, ms);
    hours.push_back(h);
  }
  EXPECT_FALSE(watch->Animating());
  EXPECT_EQ(hours, (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 11}));
  EXPECT_EQ(changes, std::vector<std::string>{"11:00"});

  // A factor of 2 halves the remaining distance.
  watch->SetAnimationFactor(2);
  hours.clear();
  watch->SetHour(23);
  while (watch->Animating()) {
    kit.Advance(10);
    int h, m, s, ms;
    DecodeTime(watch->Time(), h, m, s, ms);
    hours.push_back(h);
  }
  EXPECT_EQ(hours, (std::vector<int>{17, 20, 22, 23, 23}));
}

TEST_F(WatchTest, AnimatedMinuteTowardTwelveRunsForwardAndMovesTheHourOn) {
  watch->SetTime(At(9, 50));
  kit.Click(watch, 90, 2);
  ASSERT_TRUE(watch->Animating());
  std::vector<int> minutes;
  while (watch->Animating()) {
    kit.Advance(10);
    int h, m, s, ms;
    DecodeTime(watch->Time(), h, m, s, ms);
    minutes.push_back(m);
  }
  EXPECT_EQ(minutes, (std::vector<int>{51, 52, 53, 54, 55, 56, 57, 58, 59, 0, 0}));
  EXPECT_EQ(HourMinute(watch->Time()), "10:00");
  EXPECT_EQ(changes, std::vector<std::string>{"10:00"});
}

TEST_F(WatchTest, MinuteOfSixtyIsRefusedAndChangesNothing) {
  watch->SetTime(At(3, 4));
  try {
    watch->SetMinute(60);
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Invalid time");
  }
  EXPECT_EQ(HourMinute(watch->Time()), "03:04");
  EXPECT_FALSE(watch->Animating());
  EXPECT_TRUE(changes.empty());
}

TEST_F(WatchTest, AMPMFlipRollsTheBoxPausingOnTheLayersClock) {
  watch->SetTime(At(9, 0));
  const TRect box = watch->GetAMPMRect();
  ASSERT_GT(box.Height(), 2);
  const auto before = kit.Clock().NowMs();
  kit.Click(watch, box.Left + 4, box.Top + 4);
  // 10 ms per pixel of the box inside its frame; the virtual clock takes the pauses.
  EXPECT_EQ(kit.Clock().NowMs() - before, 10u * static_cast<unsigned>(box.Height() - 2));
  EXPECT_FALSE(watch->AM());
  EXPECT_EQ(HourMinute(watch->Time()), "21:00");
  EXPECT_FALSE(watch->Animating()) << "the hour jumps; only the box rolls";
  EXPECT_EQ(changes, std::vector<std::string>{"21:00"});
}

TEST_F(WatchTest, RunningClockShowsTheSystemTimeWithItsOffsetAndIgnoresClicks) {
  watch->SetTime(At(3, 0));
  watch->Settings().SetTimeOffset(90);
  watch->Settings().SetAuto(true);
  EXPECT_NEAR(watch->GetDisplayTime() - hd::Now(), 90 / 1440.0, 2 / 86400.0);
  const TDateTime running = watch->Time();
  EXPECT_NEAR(running, hd::Now(), 2 / 86400.0) << "Time takes the system time without the offset";
  kit.Click(watch, 90, 150);
  kit.Click(watch, 12, 12);
  EXPECT_EQ(watch->Time(), running);
  EXPECT_FALSE(watch->Animating());
  EXPECT_TRUE(changes.empty());
}

TEST_F(WatchTest, DialIsCachedWithoutTheHands) {
  watch->SetAnimation(false);
  watch->SetTime(At(3, 0));
  TBitmap shot(180, 180);
  watch->PaintTo(shot.Canvas());
  TBitmap cache = watch->BackgroundCache();
  ASSERT_EQ(cache.Width(), 180);
  const TPoint c = watch->GetCenter();
  EXPECT_EQ(shot.Canvas().Pixel(c.X, c.Y), clBlack) << "centre point";
  EXPECT_EQ(cache.Canvas().Pixel(c.X, c.Y), clWhite) << "the cache has no centre point";
  // The hour hand of 3 o'clock runs to the right of the centre.
  EXPECT_EQ(shot.Canvas().Pixel(c.X + 25, c.Y), clBlack);
  EXPECT_EQ(cache.Canvas().Pixel(c.X + 25, c.Y), clWhite);
  EXPECT_EQ(shot.Canvas().Pixel(c.X - 25, c.Y - 25), clWhite) << "nothing drawn in an empty quarter";
  EXPECT_NE(shot.Canvas().Pixel(2, 2), clWhite) << "outside the round dial the control's colour shows";
  // A new time repaints the hands over the cache only.
  watch->SetTime(At(9, 0));
  kit.Process();
  watch->PaintTo(shot.Canvas());
  EXPECT_EQ(shot.Canvas().Pixel(c.X - 25, c.Y), clBlack);
  EXPECT_EQ(shot.Canvas().Pixel(c.X + 25, c.Y), clWhite);
}

TEST_F(WatchTest, PresetsResetTheLookAndTakeSizesFromTheClock) {
  EXPECT_EQ(watch->Style(), wsClassic);
  EXPECT_EQ(watch->Appearance().HourFont().Name, "Tahoma") << "a new clock has the plain defaults";
  watch->SetStyle(wsClassic);
  EXPECT_EQ(watch->Appearance().HourMarkLength(), 0) << "the current style again changes nothing";

  watch->SetStyle(wsBlack);
  EXPECT_EQ(watch->Appearance().BackgroundColor(), TColor(0x202020));
  EXPECT_EQ(watch->Appearance().HourFont().Name, "Century Gothic");
  EXPECT_FALSE(watch->ShowAMPM());

  watch->SetStyle(wsSuperNova);
  const TWatchAppearance& a = watch->Appearance();
  EXPECT_EQ(a.HourMarkLength(), 40) << "Round(180 / 4.5)";
  EXPECT_EQ(a.MinuteMarkLength(), 60) << "180 div 3";
  EXPECT_EQ(a.BackgroundColor(), clWhite) << "unnamed values go back to the defaults";
  EXPECT_EQ(a.BackgroundColorTo(), TColor(0xD1D3D3));
  EXPECT_EQ(a.HourFont().Name, "Tahoma");
  EXPECT_EQ(a.HourFont().Size, 8);
  EXPECT_EQ(a.BorderColor(), clNone);
  EXPECT_FALSE(watch->ShowNumbers());

  watch->SetStyle(wsSports);
  EXPECT_EQ(a.CenterPointSize(), 50) << "Round(180 / 3.6)";
  EXPECT_EQ(a.HourPointerShadow(), clNone);
  EXPECT_EQ(a.TickMarks(), tmQuartHours);

  watch->SetShowAMPM(true);
  watch->SetStyle(wsTower);
  EXPECT_TRUE(watch->ShowAMPM()) << "the tower keeps ShowAMPM as it was";
  EXPECT_EQ(a.AMPMColor(), a.BackgroundColor());
  EXPECT_EQ(a.PointerStyle(), psPointer);

  watch->SetStyle(wsClassic);
  EXPECT_EQ(a.HourFont().Name, "Comic Sans MS");
  EXPECT_EQ(a.HourFont().Size, 10);
  EXPECT_TRUE(a.HourFont().Style.Contains(fsBold));
  EXPECT_EQ(a.AMPMFont().Name, "MS Sans Serif");
  EXPECT_EQ(a.HourPointerSize(), 5);
  EXPECT_TRUE(watch->ShowAMPM() && watch->ShowNumbers());
}

TEST_F(WatchTest, ComponentStylesSetTheColoursAndCustomOnlyTheBlacks) {
  TWatchAppearance& a = watch->Appearance();
  a.SetBackgroundColor(0x123456);
  watch->SetComponentStyle(tsCustom);
  EXPECT_EQ(a.CenterPointOuterBorderColor(), clBlack);
  EXPECT_EQ(a.HourFont().Color, clBlack);
  EXPECT_EQ(a.AMPMFont().Color, clBlack);
  EXPECT_EQ(a.BackgroundColor(), TColor(0x123456)) << "tsCustom changes nothing more";

  watch->SetComponentStyle(tsOffice2007Luna);
  EXPECT_EQ(a.AMPMBorderColor(), TColor(0xF0DED0));
  EXPECT_EQ(a.BackgroundColor(), TColor(0xFFEFE3));
  EXPECT_EQ(a.BackgroundColorTo(), TColor(0xFFEFE3));
  EXPECT_EQ(a.CenterPointColor(), TColor(0xFFEFE3));
  EXPECT_EQ(a.MinutePointer(), TColor(0x723708));
  EXPECT_EQ(a.SecondPointer(), TColor(0x723708));

  watch->SetComponentStyle(tsOffice2007Silver);
  EXPECT_EQ(a.CenterPointBorderColor(), TColor(0xE8E0DB));
  EXPECT_EQ(a.CenterPointColor(), TColor(0x74706F));
  watch->SetComponentStyle(tsWindowsVista);
  EXPECT_EQ(a.BackgroundColorTo(), TColor(0xFFFAF0));
  watch->SetComponentStyle(tsTerminal);
  EXPECT_EQ(a.AMPMColor(), clBtnFace);
  watch->SetComponentStyle(tsOffice2007Obsidian);
  EXPECT_EQ(a.HourFont().Color, TColor(0xF2F1F0));
  EXPECT_EQ(a.AMPMFont().Color, TColor(0xF2F1F0));
  watch->SetComponentStyle(tsOffice2010Silver);
  EXPECT_EQ(a.HourPointerShadow(), TColor(0xC0C0C0));
}

// Writes each preset's picture for review by eye (scripts/review-pictures.sh).
TEST_F(WatchTest, PresetPictures) {
  const char* names[] = {"classic", "tower", "fluorescent", "emerald", "bluestar", "fuchsia",
                         "black",   "blackwhite", "gray", "supernova", "sports", "smooth"};
  watch->SetAnimation(false);
  watch->SetTime(EncodeTime(10, 8, 30, 0));
  for (int i = 11; i >= 0; --i) {
    watch->SetStyle(static_cast<TWatchStyle>(i));
    watch->SetAnimation(false);
    kit.Process();
    EXPECT_FALSE(kit.RenderPng(watch, std::string("watch_") + names[i]).empty());
  }
}

}  // namespace
}  // namespace hd
