// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Target.h"

#include <QJsonValue>
#include <QList>
#include <QString>

#include <optional>

namespace openwright {

// The sidebar sections, in their fixed order. `custom` holds the user's own types.
enum class CategoryGroup
{
    systemRole,
    document,
    aiProductivity,
    codeDev,
    designCreative,
    ebook,
    media,
    archive,
    spatial3D,
    geolocation,
    communication,
    gamingEmu,
    security,
    custom,
};

namespace CategoryGroups {
const QList<CategoryGroup>& allCases();
QString rawValue(CategoryGroup group);
QString title(CategoryGroup group);
// The symbol name of the group's icon; the UI maps it to an icon-theme name.
QString symbol(CategoryGroup group);
} // namespace CategoryGroups

// One row of the sidebar's type lists: a target with its title and summary.
struct FileCategory
{
    QString id;
    QString title;
    QString summary;
    CategoryGroup group = CategoryGroup::custom;
    Target target;

    // The row of a type the user added.
    static FileCategory custom(const Target& target);

    void write(JsonWriter& out) const;

    friend bool operator==(const FileCategory&, const FileCategory&) = default;
};

// The built-in list of 65 types. Static data, built once and shared read-only.
namespace Catalog {
const QList<FileCategory>& all();
std::optional<FileCategory> category(const QString& id);
} // namespace Catalog

} // namespace openwright
