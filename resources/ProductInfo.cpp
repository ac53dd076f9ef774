// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "resources/ProductInfo.h"

namespace tocklet {

std::string_view ContactMail() { return TOCKLET_CONTACT_MAIL; }

std::string_view HomePage() { return TOCKLET_HOME_PAGE; }

std::string MailTarget() { return "mailto:" + std::string(ContactMail()); }

}  // namespace tocklet
