// SPDX-License-Identifier: GPL-3.0-or-later
#include "motions/motion_record.h"
#include "motions/questions.h"
#include "support/printers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <map>

using namespace zephyra;
using namespace Qt::StringLiterals;

namespace {

QString addingVectors() {
    return questions()[2].record;
}

// The Adding Vectors record with some fields (numbered from 1) replaced.
QString withFields(const std::map<int, QString>& replacements) {
    QStringList tokens = addingVectors().split(u' ');
    for (const auto& [field, token] : replacements)
        tokens[field - 1] = token;
    return tokens.join(u' ');
}

} // namespace

TEST(MotionTextSplitTest, FollowsTheSpaceRulesAndEndsInFieldThirtySeven) {
    struct Case {
        QString text;
        std::map<int, QString> fields; // every field not named is empty
    };
    QStringList many;
    for (int i = 1; i <= 45; ++i)
        many << QStringLiteral("t%1").arg(i);
    std::map<int, QString> manyFields;
    for (int i = 1; i <= 40; ++i)
        manyFields[i] = QStringLiteral("t%1").arg(i);
    manyFields[37] = QStringLiteral("t45");
    std::map<int, QString> fortyOne = manyFields;
    fortyOne[37] = QStringLiteral("t41");

    const Case cases[] = {
        {QStringLiteral("1 2 3"), {{1, u"1"_s}, {2, u"2"_s}, {37, u"3"_s}}},
        {QStringLiteral(" 0 0 471"), {{1, u" 0"_s}, {2, u"0"_s}, {37, u"471"_s}}},
        {QStringLiteral("1  2"), {{1, u"1"_s}, {37, u"2"_s}}},
        {QStringLiteral("1 2 "), {{1, u"1"_s}, {2, u"2"_s}}},
        {QStringLiteral("a\tb c"), {{1, u"a\tb"_s}, {37, u"c"_s}}},
        {QStringLiteral("  "), {{1, u" "_s}}},
        {QString(), {}},
        {many.join(u' '), manyFields},
        {many.mid(0, 41).join(u' '), fortyOne},
    };
    for (const Case& c : cases) {
        const auto fields = splitMotionText(c.text);
        for (int field = 1; field <= motionFieldStore; ++field) {
            const auto expected = c.fields.find(field);
            EXPECT_EQ(fields[field - 1], expected == c.fields.end() ? QString() : expected->second)
                << "text '" << c.text.toStdString() << "' field " << field;
        }
    }
}

TEST(RecordNumberTest, IntegersAreDecimalAndFitThirtyTwoBits) {
    const std::pair<QString, std::optional<int>> cases[] = {
        {u"0"_s, 0},
        {u" 12"_s, 12},
        {u"-5"_s, -5},
        {u"+7"_s, 7},
        {u"007"_s, 7},
        {u"2147483647"_s, 2147483647},
        {u"-2147483648"_s, -2147483647 - 1},
        {u"2147483648"_s, std::nullopt},
        {u"-2147483649"_s, std::nullopt},
        {u"99999999999999999999999"_s, std::nullopt},
        {u""_s, std::nullopt},
        {u" "_s, std::nullopt},
        {u"-"_s, std::nullopt},
        {u"1.0"_s, std::nullopt},
        {u"1e3"_s, std::nullopt},
        {u"0x10"_s, std::nullopt},
        {u"12a"_s, std::nullopt},
        {u"\t5"_s, std::nullopt},
        {u"5\r"_s, std::nullopt},
        {u"\uff15"_s, std::nullopt},
    };
    for (const auto& [token, expected] : cases)
        EXPECT_EQ(parseRecordInteger(token), expected) << "token '" << token.toStdString() << "'";
}

TEST(RecordNumberTest, AnglesAreFiniteWithAPointWhateverTheLocale) {
    const std::pair<QString, std::optional<double>> cases[] = {
        {u"0.21378"_s, 0.21378},
        {u"3.14159"_s, 3.14159},
        {u"-1.5"_s, -1.5},
        {u"+2.5"_s, 2.5},
        {u"7"_s, 7.0},
        {u".5"_s, 0.5},
        {u"1e2"_s, 100.0},
        {u""_s, std::nullopt},
        {u"nan"_s, std::nullopt},
        {u"-nan"_s, std::nullopt},
        {u"inf"_s, std::nullopt},
        {u"+inf"_s, std::nullopt},
        {u"-infinity"_s, std::nullopt},
        {u"1e999"_s, std::nullopt},
        {u"0,21378"_s, std::nullopt},
        {u"0x1p3"_s, std::nullopt},
        {u"1.0.0"_s, std::nullopt},
        {u"+-1"_s, std::nullopt},
        {u"+"_s, std::nullopt},
        {u"1\u00e9"_s, std::nullopt},
    };
    const std::string before = std::setlocale(LC_ALL, nullptr);
    for (const char* locale : {"C", "de_DE.UTF-8"}) {
        if (!std::setlocale(LC_ALL, locale))
            continue;
        for (const auto& [token, expected] : cases) {
            EXPECT_EQ(parseRecordAngle(token), expected)
                << locale << " token '" << token.toStdString() << "'";
        }
    }
    std::setlocale(LC_ALL, before.c_str());
}

TEST(MotionRecordParseTest, ReportsTheFirstFieldThatFailsInApplicationOrder) {
    const QString integer = u"'%1' is not a valid integer value"_s;
    const QString floating = u"'%1' is not a valid floating point value"_s;
    const std::pair<QString, QString> cases[] = {
        // Field 1 is applied after the positions, field 37 last of all.
        {withFields({{1, u"x"_s}, {37, u"y"_s}}), integer.arg(u"x"_s)},
        {withFields({{1, u"x"_s}, {20, u"z"_s}}), integer.arg(u"z"_s)},
        {withFields({{2, u""_s}, {3, u"q"_s}}), integer.arg(QString())},
        {withFields({{6, u"1.5"_s}}), integer.arg(u"1.5"_s)},
        {withFields({{5, u"3000000000"_s}}), integer.arg(u"3000000000"_s)},
        {withFields({{33, u"one"_s}, {34, u"x"_s}}), integer.arg(u"one"_s)},
        {withFields({{34, u"nan"_s}}), floating.arg(u"nan"_s)},
        {withFields({{35, u"inf"_s}, {37, u""_s}}), floating.arg(u"inf"_s)},
        {withFields({{36, u"1,5"_s}}), floating.arg(u"1,5"_s)},
        {withFields({{37, u"\t250"_s}}), integer.arg(u"\t250"_s)},
        {addingVectors() + u' ', integer.arg(QString())},
        {QString(), integer.arg(QString())},
    };
    for (const auto& [text, message] : cases) {
        const auto parsed = parseMotionText(text);
        ASSERT_TRUE(std::holds_alternative<QString>(parsed)) << text.toStdString();
        EXPECT_EQ(std::get<QString>(parsed), message) << text.toStdString();
    }
}

TEST(MotionRecordParseTest, ExtraTokensAreDroppedAndTheLastIsTheRiverWidth) {
    const QString text = withFields({{37, u"0.1 0.2 0.3 x y z 300"_s}});
    const auto parsed = parseMotionText(text);
    ASSERT_TRUE(std::holds_alternative<MotionRecord>(parsed));
    EXPECT_EQ(std::get<MotionRecord>(parsed).riverWidth, 300);
}
