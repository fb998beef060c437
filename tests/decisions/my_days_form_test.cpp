#include "decisions/my_days_form.h"

#include <gtest/gtest.h>

#include "render/month_grid.h"
#include "test_files.h"

namespace velmora {
namespace {

TEST(MyDaysForm, WhatTheUserTypedReadAsADay) {
    const MyDayForm esfand = readMyDayForm(0, 12, u"\u06F3\u06F0", u"  Our anniversary\n ", true);  // ۳۰
    EXPECT_EQ(esfand.problem, MyDayProblem::none);
    EXPECT_EQ(esfand.day, (MyDay{Calendar::jalali, 12, 30, u"Our anniversary", true}));
    EXPECT_FALSE(comesEveryYear(esfand.day));
    EXPECT_TRUE(comesEveryYear(readMyDayForm(2, 7, u"29", u"x", false).day));
    EXPECT_EQ(readMyDayForm(0, 7, u"31", u"x", false).problem, MyDayProblem::noSuchDay);  // Mehr has 30
    EXPECT_EQ(readMyDayForm(2, 1, u"31", u"x", false).problem, MyDayProblem::noSuchDay);
    EXPECT_EQ(readMyDayForm(1, 2, u"2x", u"x", false).problem, MyDayProblem::noSuchDay);
    EXPECT_EQ(readMyDayForm(1, 2, u"29", u" ", false).problem, MyDayProblem::noText);
    EXPECT_EQ(myDayRowText(esfand.day, Language::english, u"Solar Hijri", u"day off"),
              u"Solar Hijri\t30 Esfand\tOur anniversary\tday off");
}

TEST(MyDaysForm, ADoubleClickFindsItsDay) {
    const CalendarData data = shippedData();
    const MonthLayout azar = layOutMonth(data, Calendar::jalali, 1405, 9, {2026, 12, 9});
    const LaidOutDay& day = azar.days[17];  // 18 Azar
    const GridCell cell = gridCell(393, 509, day.cell.row, day.cell.screenColumn);
    EXPECT_EQ(dayAtPoint(azar, 393, 509, cell.x, cell.y), day.dayNumber);
    EXPECT_EQ(dayAtPoint(azar, 393, 509, cell.box.right - 1, cell.box.bottom - 1), day.dayNumber);
    EXPECT_FALSE(dayAtPoint(azar, 393, 509, 5, 5));
}

TEST(MyDaysForm, RemindersComeOnTheDayAndTheEveningBeforeOnce) {
    CalendarData data = shippedData();
    data.myDays = {{Calendar::jalali, 9, 18, u"today", false}, {Calendar::jalali, 9, 19, u"tomorrow", true}};
    const LocalTime morning{{2026, 12, 9}, 9, 0, 0}, evening{{2026, 12, 9}, 18, 0, 0};
    auto due = dueReminders(data, morning, true, {});
    ASSERT_EQ(due.size(), 1u);
    EXPECT_EQ(due[0].key, u"2026-12-09 today");
    EXPECT_TRUE(dueReminders(data, morning, true, {due[0].key}).empty());  // once, also after a restart
    due = dueReminders(data, evening, true, {u"2026-12-09 today"});
    ASSERT_EQ(due.size(), 1u);
    EXPECT_TRUE(due[0].tomorrow && due[0].day.dayOff);
    EXPECT_EQ(due[0].key, u"2026-12-10 tomorrow (eve)");
    EXPECT_TRUE(dueReminders(data, evening, false, {u"2026-12-09 today"}).empty());
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

// Today's day was told in the morning; at 18:00 tomorrow's comes, and today's is not told
// again a minute later.
TEST(Reminders, TheEveningBeforeKeepsTodaysToldOnes) {
    CalendarData data = shippedData();
    data.myDays = {{Calendar::jalali, 9, 18, u"today", false}, {Calendar::jalali, 9, 19, u"tomorrow", true}};
    const auto morning = reminderBalloon(data, {{2026, 12, 9}, 9, 0, 0}, true, u"2026-12-08 yesterday\n", u"Tomorrow");
    ASSERT_TRUE(morning && morning->today);
    EXPECT_EQ(morning->text, u"today");
    EXPECT_EQ(morning->keptAfter, u"2026-12-09 today\n");  // yesterday's is dropped
    const auto evening = reminderBalloon(data, {{2026, 12, 9}, 18, 0, 0}, true, morning->keptAfter, u"Tomorrow");
    ASSERT_TRUE(evening && !evening->today);
    EXPECT_EQ(evening->text, u"tomorrow");
    EXPECT_FALSE(reminderBalloon(data, {{2026, 12, 9}, 18, 1, 0}, true, evening->keptAfter, u"Tomorrow"));
    // Both at once, under today's title, tomorrow's marked.
    const auto both = reminderBalloon(data, {{2026, 12, 9}, 19, 0, 0}, true, u"", u"Tomorrow");
    ASSERT_TRUE(both && both->today);
    EXPECT_EQ(both->text, u"today\nTomorrow: tomorrow");
}

// The list in date order; a double-click on a day of the user's finds it; the day's box takes
// digits of any script and the editing keys only.
TEST(MyDaysForm, OrderTheDoubleClickedDayAndTheDayBox) {
    const CalendarData data = shippedData();
    const std::vector<MyDay> days{{Calendar::hijri, 6, 29, u"b", false},
                                  {Calendar::jalali, 12, 30, u"z", true},
                                  {Calendar::jalali, 9, 18, u"y", false},
                                  {Calendar::jalali, 9, 18, u"a", false}};
    const std::vector<MyDay> ordered = inDateOrder(days);
    EXPECT_EQ(ordered[0].text, u"a");
    EXPECT_EQ(ordered[1].text, u"y");
    EXPECT_EQ(ordered[2].text, u"z");
    EXPECT_EQ(ordered[3].text, u"b");
    // 9 December 2026 is 18 Azar 1405 and 29 Jumada al-Thani 1448.
    EXPECT_EQ(firstMyDayOn(ordered, data.hijri(), gregorianToDayNumber(2026, 12, 9)), 0u);
    EXPECT_EQ(firstMyDayOn(days, data.hijri(), gregorianToDayNumber(2026, 12, 9)), 0u);  // the lunar one first there
    EXPECT_EQ(firstMyDayOn(days, data.hijri(), gregorianToDayNumber(2027, 3, 20)), 1u);  // 30 Esfand's day in 1405
    EXPECT_FALSE(firstMyDayOn(days, data.hijri(), gregorianToDayNumber(2026, 12, 10)));
    for (const char16_t c : {u'7', u'\u06F7', u'\u0667', u'\b'}) EXPECT_TRUE(takenInDayBox(c));
    for (const char16_t c : {u'a', u'-', u' ', u'\u0627'}) EXPECT_FALSE(takenInDayBox(c));
}

}  // namespace
}  // namespace velmora
