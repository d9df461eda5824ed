// Where a window opens over the window it belongs to: centred over it, and
// moved inside the screen area that windows may take.

#include "ui/window_placement.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(WindowPlacement, CentredOverTheOwnerAndKeptInsideTheAvailableArea)
{
    // A 1600 x 1200 screen with a 30-pixel panel along its top.
    const QRect screen(0, 30, 1600, 1170);
    struct Case {
        const char *what;
        QRect owner;
        QSize window;
        QRect available;
        QPoint topLeft;
    };
    // clang-format off
    const Case cases[] = {
        {"room all round: centred",        {400, 300, 810, 600},  {400, 200},   screen, {605, 500}},
        {"owner at the top left corner",   {0, 30, 810, 600},     {1334, 770},  screen, {0, 30}},
        {"owner partly off the top left",  {-300, -300, 810, 600}, {400, 200},  screen, {0, 30}},
        {"owner at the bottom right",      {1200, 900, 810, 600}, {400, 200},   screen, {1200, 1000}},
        {"owner far off the bottom right", {5000, 5000, 810, 600}, {400, 200},  screen, {1200, 1000}},
        {"fits exactly",                   {0, 30, 100, 100},     {1600, 1170}, screen, {0, 30}},
        {"wider than the area: left edge", {900, 400, 810, 600},  {2000, 300},  screen, {0, 550}},
        {"taller than the area: top edge", {900, 400, 810, 600},  {300, 1500},  screen, {1155, 30}},
        {"larger both ways: top left",     {900, 400, 810, 600},  {2000, 1500}, screen, {0, 30}},
        // A second screen to the right, whose area starts at x 1600.
        {"second screen",                  {1500, 100, 810, 600}, {1334, 770},  {1600, 0, 1920, 1080}, {1600, 15}},
        {"no screen known: only centred",  {0, 30, 810, 600},     {1334, 770},  {},     {-262, -55}},
    };
    // clang-format on
    for (const Case &c : cases)
        EXPECT_EQ(placeOverOwner(c.owner, c.window, c.available), c.topLeft) << c.what;
}

} // namespace
} // namespace pelmora
