// compare_pictures ACTUAL EXPECTED WITHOUT_DETAILS, for the Windows stage's scripts: status 0 when the pictures
// agree but for their letters' edges (letter_tolerant_difference.h), 1 with the reason otherwise, 2 when unreadable.

#include "tests/support/letter_tolerant_difference.h"

#include <QGuiApplication>

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: compare_pictures ACTUAL EXPECTED WITHOUT_DETAILS\n";
        return 2;
    }
    const QImage actual(QString::fromLocal8Bit(argv[1]));
    const QImage expected(QString::fromLocal8Bit(argv[2]));
    const QImage withoutDetails(QString::fromLocal8Bit(argv[3]));
    if (actual.isNull() || expected.isNull() || withoutDetails.isNull()) {
        std::cerr << "compare_pictures: a picture cannot be read\n";
        return 2;
    }
    const std::string difference = kinsketch::test::letterTolerantDifference(actual, expected, withoutDetails);
    if (difference.empty()) return 0;
    std::cerr << "compare_pictures: " << difference << '\n';
    return 1;
}
