// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Catalog.h"

#include <QHashFunctions>

namespace openwright {

// The screen selected in the main window: one group's type list, or one of the tools.
struct SidebarItem
{
    enum class Kind
    {
        group,
        overview,
        profiles,
        backups,
        guardActivity,
        applications,
        allTypes
    };

    Kind kind = Kind::overview;
    CategoryGroup group = CategoryGroup::systemRole; // only for Kind::group

    static SidebarItem groupItem(CategoryGroup g) { return {Kind::group, g}; }
    static SidebarItem overview() { return {Kind::overview}; }
    static SidebarItem profiles() { return {Kind::profiles}; }
    static SidebarItem backups() { return {Kind::backups}; }
    static SidebarItem guardActivity() { return {Kind::guardActivity}; }
    static SidebarItem applications() { return {Kind::applications}; }
    static SidebarItem allTypes() { return {Kind::allTypes}; }

    friend bool operator==(const SidebarItem& a, const SidebarItem& b)
    {
        return a.kind == b.kind && (a.kind != Kind::group || a.group == b.group);
    }
};

inline size_t qHash(const SidebarItem& item, size_t seed = 0) noexcept
{
    return qHashMulti(seed, int(item.kind), item.kind == SidebarItem::Kind::group ? int(item.group) : -1);
}

} // namespace openwright
