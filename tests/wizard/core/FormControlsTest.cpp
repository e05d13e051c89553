#include "FormControls.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

using wizard::ControlKind;
using wizard::formControls;

// A face makes a box's controls inside the widget it made for the box, so the box must be
// listed before them, on their page; a name or id given twice would find the wrong control.
TEST(FormControls, EachBoxIsAnEarlierFrameOfTheSamePageAndNamesAndIdsAreUnique) {
    std::set<std::string> names;
    std::set<int> ids;
    for (const wizard::FormControl& control : formControls) {
        SCOPED_TRACE(control.name);
        if (control.box) {
            const wizard::FormControl* box = wizard::boxOf(control);
            ASSERT_NE(box, nullptr);
            EXPECT_LT(box, &control);
            EXPECT_EQ(box->page, control.page);
            EXPECT_TRUE(box->kind == ControlKind::Panel || box->kind == ControlKind::GroupBox);
        }
        EXPECT_TRUE(names.insert(control.name).second);
        EXPECT_TRUE(control.id == 0 || ids.insert(control.id).second);
    }
}
