#include "platform/NameFold.h"

#include <gtest/gtest.h>

#include <QByteArray>

namespace
{
int utf8Order(const QString& a, const QString& b)
{
    const QByteArray x = a.toUtf8();
    const QByteArray y = b.toUtf8();
    return NameFold::compareUtf8(x.constData(), static_cast<int>(x.size()), y.constData(), static_cast<int>(y.size()));
}
} // namespace

// The in-memory comparisons agree with the catalog's own, including where
// Qt's case folding would not: a final sigma, the micro sign, a letter beyond
// U+FFFF (which UTF-16 code units would sort below U+E000..U+FFFF).
TEST(NameFoldOrder, ComparesAsTheCatalogDoes)
{
    const QStringList names{QStringLiteral("Milk"),      QStringLiteral("milk"),           QString::fromUtf8("Äpfel"),
                            QString::fromUtf8("äpfel"),  QString::fromUtf8("οδος"),        QString::fromUtf8("ΟΔΟΣ"),
                            QString::fromUtf8("µg"),     QString::fromUtf8("μg"),          QString::fromUtf8("ǅemal"),
                            QString::fromUtf8("ǆemal"),  QString::fromUtf8("\U00010400x"), QString::fromUtf8("\uFF21x"),
                            QString::fromUtf8("straße"), QStringLiteral("STRASSE")};
    for (const QString& a : names) {
        for (const QString& b : names) {
            const int expected = utf8Order(a, b);
            EXPECT_EQ(NameFold::compare(a, b), expected) << a.toStdString() << " " << b.toStdString();
            EXPECT_EQ(NameFold::equal(a, b), expected == 0);
            EXPECT_EQ(NameFold::less(a, b), expected < 0);
        }
    }
    EXPECT_TRUE(NameFold::equal(QString::fromUtf8("ǅemal"), QString::fromUtf8("Ǆemal")));
    EXPECT_FALSE(NameFold::equal(QString::fromUtf8("οδος"), QString::fromUtf8("ΟΔΟΣ")));
    EXPECT_EQ(QString::compare(QString::fromUtf8("οδος"), QString::fromUtf8("ΟΔΟΣ"), Qt::CaseInsensitive), 0);
    EXPECT_TRUE(NameFold::contains({QStringLiteral("Dairy"), QString::fromUtf8("ÄPFEL")}, QString::fromUtf8("äpfel")));
    EXPECT_FALSE(NameFold::contains({QString::fromUtf8("ΟΔΟΣ")}, QString::fromUtf8("οδος")));
    EXPECT_TRUE(NameFold::startsWith(QString::fromUtf8("Äpfel"), QString::fromUtf8("äP")));
    EXPECT_TRUE(NameFold::startsWith(QStringLiteral("Tea"), QString()));
    EXPECT_FALSE(NameFold::startsWith(QString::fromUtf8("µg"), QString::fromUtf8("μ")));
}
