// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Control numbers of the owner editor.

namespace tocklet {

inline constexpr int kUserInfoOrganizationId = 1000;
inline constexpr int kUserInfoOwnerId = 1001;
inline constexpr int kUserInfoSendId = 1010;
inline constexpr int kUserInfoCancelId = 1039;

}  // namespace tocklet
