// SPDX-License-Identifier: GPL-3.0-or-later
#include "Json.h"
#include "Printers.h"

#include <QTimeZone>

#include <gtest/gtest.h>

using namespace openwright;
using namespace Qt::Literals::StringLiterals;

namespace {

TEST(Json, DatesAreStrictWholeSecondUtc)
{
    const QDateTime t(QDate(2025, 3, 1), QTime(9, 30, 5, 999), QTimeZone::utc());
    EXPECT_EQ(Json::formatDate(t), u"2025-03-01T09:30:05Z"_s);
    EXPECT_EQ(Json::formatDate(t.toTimeZone(QTimeZone("Asia/Tokyo"))), u"2025-03-01T09:30:05Z"_s);
    EXPECT_EQ(Json::formatDate(QDateTime(QDate(1, 1, 1), QTime(0, 0), QTimeZone::utc())), u"0001-01-01T00:00:00Z"_s);
    EXPECT_EQ(Json::parseDate(u"2025-03-01T09:30:05Z"_s), t.addMSecs(-999));
    for (const QString& bad : {u"2025-03-01T09:30:05"_s, u"2025-03-01T09:30:05.5Z"_s, u"2025-03-01T09:30:05+00:00"_s,
                               u"2025-02-30T09:30:05Z"_s, u"2025-03-01T24:00:00Z"_s, u"2025-3-1T09:30:05Z"_s,
                               u" 2025-03-01T09:30:05Z"_s, u"2025-03-01t09:30:05z"_s, u""_s,
                               u"\u0662\u0660\u0662\u0665-03-01T09:30:05Z"_s}) {
        EXPECT_THROW(Json::parseDate(bad), DecodeError) << bad.toStdString();
    }
}

TEST(Json, WriterSortsKeysAndEscapes)
{
    const QJsonObject o {{u"b"_s, u"a/b \"q\" \\ \n\t\u0001é"_s},
                         {u"a"_s, QJsonArray {1, true, QJsonValue::Null}},
                         {u"é"_s, QJsonObject {}},
                         {u"Z"_s, QJsonArray {}}};
    EXPECT_EQ(Json::write(o),
              QByteArray("{\n  \"Z\" : [],\n  \"a\" : [\n    1,\n    true,\n    null\n  ],\n"
                         "  \"b\" : \"a\\/b \\\"q\\\" \\\\ \\n\\t\\u0001\xc3\xa9\",\n"
                         "  \"\xc3\xa9\" : {}\n}\n"));
    // What the writer writes, the reader reads back unchanged.
    EXPECT_EQ(Json::read(Json::write(o)), QJsonValue(o));
}

TEST(Json, ReaderRefusesBrokenDocuments)
{
    for (const QByteArray& bad : {QByteArray(), QByteArray("{"), QByteArray("[1,]"), QByteArray("\xef\xbb\xbf[]x"),
                                  QByteArray("[\"\xed\xa0\x80\"]"), QByteArray(2000, '[')}) {
        EXPECT_THROW(Json::read(bad), DecodeError) << bad.left(20).toStdString();
    }
    EXPECT_THROW(Json::read(QByteArray(Json::kMaxDocumentBytes + 1, ' ')), DecodeError);
    const QJsonObject o {{u"n"_s, 1.5}, {u"s"_s, u"x"_s}};
    EXPECT_THROW(Json::requireInteger(o, "n"_L1), DecodeError);
    EXPECT_THROW(Json::requireString(o, "n"_L1), DecodeError);
    EXPECT_THROW(Json::requireString(o, "missing"_L1), DecodeError);
    EXPECT_EQ(Json::requireString(o, "s"_L1), u"x"_s);
}

} // namespace
