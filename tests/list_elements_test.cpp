// The list-element helpers that gauge callbacks use to hide and show parts of
// their gauge, over a small tree: root -> a -> b, root also has a sibling of a.
#include "list_elements.h"

#include <gtest/gtest.h>

namespace {

using gauge::Element;
using gauge::kImageHidden;

class ListElements : public testing::Test {
  protected:
    Element b{.image_flags = 0x3};
    Element* const b_list[2] = {&b, nullptr};
    Element a{.children = b_list, .image_flags = 0x1};
    Element sibling{.image_flags = 0x1};
    Element* const root_list[3] = {&a, &sibling, nullptr};
    Element root{.children = root_list, .image_flags = 0x4001};
    Element* const empty_list[1] = {nullptr};
    Element empty_parent{.children = empty_list};
};

TEST_F(ListElements, FindFollowsTheFirstChildChain) {
    struct Case {
        Element* start;
        std::uint32_t steps;
        Element* found;
    };
    const Case cases[] = {
        {&root, 0, &root},
        {&root, 1, &a},
        {&root, 2, &b},
        {&root, 3, nullptr},
        {&b, 0, &b},
        {&b, 1, nullptr},
        {nullptr, 0, nullptr},
        {&empty_parent, 1, nullptr},
        {&root, 0xFFFFFFFF, nullptr},
    };
    for (const Case& c : cases)
        EXPECT_EQ(gauge::find_list_element(c.start, c.steps), c.found) << c.steps;
}

TEST_F(ListElements, SetThenClearRestoresTheDeclaredFlags) {
    gauge::set_list_element_flags(&root, 2, kImageHidden);
    EXPECT_EQ(b.image_flags, 0x3 | kImageHidden);
    EXPECT_EQ(a.image_flags, 0x1u);
    gauge::clear_list_element_flags(&root, 2, kImageHidden);
    EXPECT_EQ(b.image_flags, 0x3u);
}

TEST_F(ListElements, NothingChangesWhenTheChainEndsEarly) {
    gauge::set_list_element_flags(&b, 1, kImageHidden);
    gauge::clear_list_element_flags(&b, 1, 0x3);
    gauge::set_list_element_flags(nullptr, 0, kImageHidden);
    EXPECT_EQ(b.image_flags, 0x3u);
    EXPECT_EQ(root.image_flags, 0x4001u);
    EXPECT_EQ(sibling.image_flags, 0x1u);
}

}  // namespace
