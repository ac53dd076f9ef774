// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The keyboard in a group of radio buttons, as desktop users know it from dialogs: the arrow
// keys move to the next or previous radio of the group (in template order, round the ends) and
// check the one they land on; Tab enters the group at its checked radio (at its first one while
// none is checked) and leaves it for the next control after the group.

class QButtonGroup;

namespace tocklet {

/// Gives group's radios that keyboard. Call once the group holds all its buttons; the group
/// owns what this makes.
void FollowArrowKeys(QButtonGroup* group);

}  // namespace tocklet
