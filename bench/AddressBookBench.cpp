// A book of 100,000 rows (about 6 MB): opened until the grid shows it, sorted by a column
// from a header click, and saved.
#include "AddressPane.h"

#include "addressbook/AddressBook.h"

#include "BenchTiming.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const std::string path = dir.filePath("big.csv").toStdString();
    {
        static const char* first[] = {"Ann", "Bob", "Carl", "Dana", "Ed", "Fay", "Gus", "Ivy"};
        static const char* last[] = {"Lee", "Marsh", "Jones", "White", "Brown", "Green", "Hall"};
        std::ofstream out(path, std::ios::binary);
        out << "\"First\",\"Last\",\"Email\",\"Phone\",\"City\",\"\"\r\n";
        for (int i = 0; i < 100000; ++i)
            out << '"' << first[i % 8] << i % 977 << "\",\"" << last[(i * 7) % 7 + 0] << i % 131
                << "\",\"person" << i << "@example.com\",\"555-" << 1000 + i % 9000
                << "\",\"Springfield\",\"\"\r\n";
    }
    const double megabytes =
        static_cast<double>(QFileInfo(QString::fromStdString(path)).size()) / 1e6;

    postling::AddressBook book;
    AddressPane pane(book);
    pane.resize(400, 700);
    pane.show();

    std::vector<double> open, sort, save;
    for (int run = 0; run < 5; ++run) {
        open.push_back(timeMs([&] {
            book.open(path);
            pane.bookLoaded("big.csv");
            pane.setCurrentCell(1, 0);
            QCoreApplication::processEvents(); // the grid painted
        }));
        sort.push_back(timeMs([&] {
            pane.MSFlexGrid1->horizontalHeader()->sectionPressed(1);
            QCoreApplication::processEvents();
        }));
        save.push_back(timeMs([&] { book.save(); }));
    }
    std::printf("address book of %d rows (%.1f MB):\n", book.table.rowCount() - 1, megabytes);
    std::printf("  open until the grid shows it: %7.1f ms (median of 5)\n", median(open));
    std::printf("  sort a column:                %7.1f ms\n", median(sort));
    std::printf("  save:                         %7.1f ms\n", median(save));
    return 0;
}
