#include "addressbook/AddressBook.h"
#include "TempDir.h"
#include "fs/AtomicFile.h"

#include <gtest/gtest.h>
#include <tuple>

namespace postling {
namespace {

using testing::TempDir;

class AddressBookFiles : public ::testing::Test {
protected:
    TempDir dir;
    AddressBook book;
    AddressBook::OpenResult open(const std::string& name, const std::string& bytes) {
        dir.write(name, bytes);
        return book.open(dir.file(name));
    }
};

TEST_F(AddressBookFiles, CommaSeparatedBooksKeepCommasInsideQuotesAndLoseQuotes) {
    const auto r = open("b.csv", "\"First\",\"Last\",\"Email\",\"\"\r\n"
                                 "\"Lee, Ann\",\"\",\"ann@x.org\",\"\"\r\n"
                                 "Bob,say \"hi\",bob@x.org,\r\n"
                                 "Carl,\"said \"\"no\"\"\",c@x.org,\r\n"
                                 "Dan,\"Notes that\r\nspan lines, too\",d@x.org,\r\n");
    EXPECT_TRUE(r.read);
    EXPECT_FALSE(r.noAddresses);
    ASSERT_EQ(5, book.table.rowCount());
    ASSERT_EQ(4, book.table.columnCount());
    EXPECT_EQ((std::vector<std::string>{"Lee, Ann", "", "ann@x.org", ""}), book.table.row(1));
    EXPECT_EQ("say hi", book.table.cell(2, 1)) << "a quote inside a comma-separated field is lost";
    EXPECT_EQ("said \"no\"", book.table.cell(3, 1)) << "a doubled quote inside quotes is one";
    EXPECT_EQ((std::vector<std::string>{"Dan", "Notes that span lines, too", "d@x.org", ""}),
              book.table.row(4))
        << "a quoted field that spans lines is one field";
    EXPECT_EQ(0, book.first_col);
    EXPECT_EQ(1, book.last_col);
    EXPECT_EQ(2, book.email_col);
    EXPECT_EQ((std::vector<int>{-1, 700, 1300, 0}), book.widthsTwips);
    EXPECT_EQ(0, book.last_sort_col);
    EXPECT_EQ("First", book.last_sort_header);
}

TEST_F(AddressBookFiles, TabDelimitedBooksAreChosenByTxtAnywhereInThePath) {
    open("list.txt.csv", "Name\tE-Mail Address\tPhone\t\r\nAnn \"A\" Lee\tann@x.org\t555\t\r\n");
    EXPECT_EQ(4, book.table.columnCount());
    EXPECT_EQ("Ann \"A\" Lee", book.table.cell(1, 0)) << "quotes survive in tab-delimited books";
    EXPECT_EQ(1, book.email_col) << "a named e-mail column stays where it is";
    EXPECT_EQ(-1, book.first_col);
    EXPECT_EQ((std::vector<int>{700, 700, 700, 0}), book.widthsTwips) << "no last-name column";
    ASSERT_EQ("", book.save());
    EXPECT_EQ("Name\tE-Mail Address\tPhone\t\r\nAnn \"A\" Lee\tann@x.org\t555\t\r\n",
              readFile(dir.file("list.txt.csv")).value());
}

TEST_F(AddressBookFiles, NameColumnsMoveToTheFrontAndTheTrailingColumnIsHidden) {
    open("b.csv", "Email,First,Last,\r\na@x.org,Ann,Lee,\r\n");
    EXPECT_EQ((std::vector<std::string>{"First", "Last", "Email", ""}), book.table.row(0));
    EXPECT_EQ((std::vector<std::string>{"Ann", "Lee", "a@x.org", ""}), book.table.row(1));
    EXPECT_EQ(0, book.first_col);
    EXPECT_EQ(1, book.last_col);
    EXPECT_EQ(2, book.email_col);

    // Without a trailing separator the last column's name is lost and the column hidden.
    open("c.csv", "First,Last,Email\r\nAnn,Lee,a@x.org\r\n");
    EXPECT_EQ((std::vector<std::string>{"First", "Last", ""}), book.table.row(0));
    EXPECT_EQ("a@x.org", book.table.cell(1, 2));
    EXPECT_EQ(0, book.widthsTwips.back());
    ASSERT_EQ("", book.save());
    EXPECT_EQ("First,Last,Email\r\nAnn,Lee,a@x.org\r\n", readFile(dir.file("c.csv")).value())
        << "an unchanged book is not written";
    book.table.setCell(1, 0, "Anne \"A\"");
    ASSERT_TRUE(book.modified());
    ASSERT_EQ("", book.save());
    EXPECT_EQ("\"First\",\"Last\",\"\"\r\n\"Anne \"\"A\"\"\",\"Lee\",\"a@x.org\"\r\n",
              readFile(dir.file("c.csv")).value());
    EXPECT_FALSE(book.modified());
    const AddressTable saved = book.table;
    open("c.csv", readFile(dir.file("c.csv")).value());
    EXPECT_EQ(saved.row(1), book.table.row(1)) << "a table saved and opened again is the same";
}

TEST_F(AddressBookFiles, WithoutAnEmailHeaderTheDataIsScanned) {
    open("b.csv", "A,B,C,D,E,\r\nx,y,z,w,ann@x.org,\r\n");
    EXPECT_EQ(2, book.email_col);
    EXPECT_EQ("ann@x.org", book.table.cell(1, 2)) << "the fifth column moved to position 2";
    EXPECT_EQ("E", book.table.cell(0, 2));

    open("c.csv", "A,B,C,D,\r\nx,y,a@b.c,w,\r\n");
    EXPECT_EQ(2, book.email_col);
    EXPECT_EQ("C", book.table.cell(0, 2));

    const auto none = open("d.csv", "Name,Phone,\r\nAnn,555,\r\n");
    EXPECT_TRUE(none.noAddresses);
    EXPECT_EQ(0, book.email_col);
}

TEST_F(AddressBookFiles, OddFilesLoadWithoutLosingTheBookOnDisk) {
    EXPECT_TRUE(open("h.csv", "\"First\",\"Last\",\"Email\",\"\"\r\n").read);
    EXPECT_EQ(1, book.table.rowCount());
    ASSERT_EQ("", book.save());
    EXPECT_EQ("\"First\",\"Last\",\"Email\",\"\"\r\n", readFile(dir.file("h.csv")).value());

    open("empty.csv", "");
    EXPECT_EQ(1, book.table.rowCount());
    EXPECT_TRUE(book.table.cell(0, 0).empty());
    ASSERT_EQ("", book.save());
    EXPECT_EQ("", readFile(dir.file("empty.csv")).value()) << "an empty header is never written";

    open("cr.csv", "First,Last,Email,\rAnn,Lee,a@x.org,\rBob,Ray,b@x.org,\r");
    EXPECT_EQ(3, book.table.rowCount()) << "CR alone ends a line";

    open("old.csv", "First,Last,Email,\r\nJ\xFCrgen,M\xFCller,j@x.org,\r\n");
    EXPECT_EQ("J\xC3\xBCrgen", book.table.cell(1, 0)) << "Windows-1252 from an older program";

    std::string wide = "E-mail";
    for (int i = 0; i < 10000; ++i)
        wide += ",F" + std::to_string(i);
    open("wide.csv", wide + ",\r\nx@y.z\r\n");
    EXPECT_EQ(10002, book.table.columnCount());

    open("big.csv", "Email,\r\n" + std::string(1 << 20, 'a') + "@x.org,\r\n");
    EXPECT_EQ(std::size_t(1 << 20) + 6, book.table.cell(1, 0).size());

    // Damaged books are refused with the reason, and nothing is ever written over them.
    const std::string controls = "Email,\r\n" + std::string(200, '\x01') + std::string(800, 'a');
    const std::string huge = "Email,\r\n" + std::string(AddressBook::kMaxBytes, 'a');
    for (const auto& [name, bytes, reason] :
         {std::tuple<std::string, std::string, std::string>{
              "bin.csv", std::string("\x00\x01\xFF\xFE,\n\x00", 7),
              "it holds binary data, not text"},
          {"ctl.csv", controls, "it holds binary data, not text"},
          {"huge.csv", huge, "it is too large (16 MB) for an address book"}}) {
        const auto damaged = open(name, bytes);
        EXPECT_FALSE(damaged.read) << name;
        EXPECT_EQ(dir.file(name) + ": " + reason, damaged.problem);
        ASSERT_EQ("", book.save());
        EXPECT_EQ(bytes, readFile(dir.file(name)).value()) << name;
    }

    const auto missing = book.open(dir.file("gone.csv"));
    EXPECT_FALSE(missing.read);
    EXPECT_EQ(dir.file("gone.csv") + ": it is not there any more (moved or deleted)",
              missing.problem);
    EXPECT_EQ(dir.file("gone.csv"), book.path);
    ASSERT_EQ("", book.save());
    EXPECT_FALSE(readFile(dir.file("gone.csv"))) << "an unread book is never written";
}

TEST(AddressBookEditing, HeaderClicksSortWithMarksAndSavingDropsThem) {
    AddressBook book;
    book.table.reset(4, 3);
    book.table.setRowFromTabs(0, "First\tEmail\t");
    book.table.setRowFromTabs(1, "carl\tc@x\t");
    book.table.setRowFromTabs(2, "Ann\ta@x\t");
    book.table.setRowFromTabs(3, "bob\tb@x\t");
    book.last_sort_col = 0;
    book.last_sort_header = "First";

    book.headerClick(0); // a repeated click on the loaded column: ascending while sort_dir is empty
    EXPECT_EQ("^ First", book.table.cell(0, 0));
    EXPECT_EQ("Ann", book.table.cell(1, 0));
    EXPECT_EQ("carl", book.table.cell(3, 0));
    book.headerClick(0);
    EXPECT_EQ("v First", book.table.cell(0, 0));
    EXPECT_EQ("carl", book.table.cell(1, 0));
    book.headerClick(0);
    EXPECT_EQ("^ First", book.table.cell(0, 0));
    book.headerClick(1);
    EXPECT_EQ("First", book.table.cell(0, 0)) << "the old mark goes";
    EXPECT_EQ("^ Email", book.table.cell(0, 1));
    EXPECT_EQ("Email", book.plainHeader(1));
    EXPECT_EQ("\"First\",\"Email\",\"\"\r\n\"Ann\",\"a@x\",\"\"\r\n\"bob\",\"b@x\",\"\"\r\n"
              "\"carl\",\"c@x\",\"\"\r\n",
              bookText(book.table, false, book.last_sort_col, book.last_sort_header));

    // A new book's first click on column 0 continues the last direction (descending now).
    book.headerClick(1);
    book.last_sort_col = 0;
    book.last_sort_header = "First";
    book.table.setCell(0, 1, "Email");
    book.headerClick(1);
    EXPECT_EQ("^ Email", book.table.cell(0, 1));
    book.last_sort_col = 0;
    book.last_sort_header = "First";
    book.table.setCell(0, 1, "Email");
    book.sort_dir = AddressBook::kAscending;
    book.headerClick(0);
    EXPECT_EQ("v First", book.table.cell(0, 0));
}

TEST(AddressBookEditing, FindDeleteAndAdd) {
    AddressBook book;
    book.table.reset(1, 3);
    book.table.setRowFromTabs(0, "First\tLast\t");
    for (const char* row :
         {"Ann\tLee\t", "Bob\tMarsh\t", "Carl\tmarks\t", "Dana\tWhite\t", "Ed\t\xC3\x89mile\t"})
        book.table.setRowFromTabs(book.table.rowCount(), row);
    EXPECT_EQ(2, book.find(1, "MA"));
    EXPECT_EQ(3, book.find(1, "mark"));
    EXPECT_EQ(5, book.find(1, "\xC3\xA9m")) << "accented capitals are found in any case";
    EXPECT_EQ(-1, book.find(1, ""));
    EXPECT_EQ(-1, book.find(1, "zz"));
    EXPECT_EQ(-1, book.find(0, "First")) << "the header row is not searched";

    EXPECT_EQ(2, book.deleteRows(5, 3)) << "rows 3 to 5 upwards; row 3 is gone, so the last";
    EXPECT_EQ(3, book.table.rowCount());
    EXPECT_EQ(1, book.deleteRows(2, 2)) << "the last row gone: the new last row is current";
    EXPECT_EQ(1, book.deleteRows(1, 1));
    EXPECT_EQ(2, book.table.rowCount()) << "one data row always stays";
    EXPECT_EQ("Ann", book.table.cell(1, 0));

    EXPECT_EQ(2, book.addBlankRow());
    EXPECT_EQ("", book.table.cell(2, 0));
    EXPECT_EQ(3, book.appendAddress("Fay", "Green", "fay@x"));
    EXPECT_EQ("fay@x", book.table.cell(3, 2));
}

TEST(SenderSplit, NameAndAddressFromASenderLine) {
    struct Case {
        const char *sender, *read; // "ok|first|last|address", or "no|||"
    };
    for (const Case& c : {
             Case{" \"Ann Lee\" <ann@x.org> ", "ok|Ann|Lee|ann@x.org"},
             Case{"Ann Marie Lee <ann@x.org>", "ok|Ann|Lee|ann@x.org"},
             Case{"Ann <ann@x.org>", "ok|Ann||ann@x.org"},
             Case{" ann@x.org\r\n", "ok|||ann@x.org"},
             Case{"\"ann@x.org\"", "ok|||ann@x.org"},
             Case{"Ann Lee <ann@x", "ok|Ann|<ann@x|"}, // "Lee" is the dropped middle
             Case{"<ann@x.org>", "ok|||ann@x.org"},
             Case{"   ", "no|||"},
             Case{"<>", "no|||"},
         }) {
        const SenderRow r = splitSender(c.sender);
        EXPECT_EQ(c.read, (r.ok ? "ok|" : "no|") + r.first + "|" + r.last + "|" + r.address)
            << c.sender;
    }
}

// Real exports of other mail programs, imported into a book of First, Last, Email.
class ImportExports : public ::testing::Test {
protected:
    AddressBook book;
    void SetUp() override {
        book.table.reset(1, 4);
        book.table.setRowFromTabs(0, "First\tLast\tEmail\t");
    }
    AddressTable lineUp(const std::string& file) {
        const std::string path = std::string(POSTLING_TEST_DATA) + "/exports/" + file;
        ColumnRoles roles;
        AddressTable data = readBookText(readFile(path).value(), isTabDelimited(path), roles);
        proposeImportRoles(data, roles);
        arrangeImportColumns(data, roles);
        return data;
    }
};

TEST_F(ImportExports, ThunderbirdLinesUpByItself) {
    const AddressTable data = lineUp("thunderbird.csv");
    EXPECT_EQ("Primary Email", data.cell(0, 2));
    book.appendImported(data);
    ASSERT_EQ(3, book.table.rowCount());
    EXPECT_EQ((std::vector<std::string>{"Ann", "Lee", "ann@yahoo.localhost", "Ann Lee"}),
              book.table.row(1));
    EXPECT_EQ("J\xC3\xBCrgen", book.table.cell(2, 0));
    EXPECT_EQ("juergen@hotmail.localhost", book.table.cell(2, 2));
}

TEST_F(ImportExports, OutlookLinesUpByItself) {
    const AddressTable data = lineUp("outlook.csv");
    book.appendImported(data);
    EXPECT_EQ((std::vector<std::string>{"Dana", "White", "dana@yahoo.localhost", "Middle Name"}),
              std::vector<std::string>({book.table.cell(1, 0), book.table.cell(1, 1),
                                        book.table.cell(1, 2), data.cell(0, 3)}));
}

TEST_F(ImportExports, GmailIsLinedUpByItsUsualNamesAndTheColumnThatHoldsAddresses) {
    // Gmail names its columns Given Name and Family Name, and "E-mail 1 - Type" (holding no
    // address) comes before "E-mail 1 - Value".
    const AddressTable data = lineUp("gmail.csv");
    EXPECT_EQ((std::vector<std::string>{"Given Name", "Family Name", "E-mail 1 - Value"}),
              std::vector<std::string>(data.row(0).begin(), data.row(0).begin() + 3));
    book.appendImported(data);
    book.appendImported(data); // twice imported, twice appended
    ASSERT_EQ(5, book.table.rowCount());
    EXPECT_EQ((std::vector<std::string>{"Bob", "Marsh", "bob@hotmail.localhost"}),
              std::vector<std::string>(book.table.row(1).begin(), book.table.row(1).begin() + 3));
    EXPECT_EQ("carl@hotmail.localhost", book.table.cell(4, 2));
    ColumnRoles named{0, 1, 2};
    EXPECT_FALSE(proposeImportRoles(data, named)) << "nothing to propose once lined up";
}

TEST(ImportLineUp, MovesFirstLastAndEmailOnlyForward) {
    ColumnRoles roles;
    AddressTable t = readBookText("Name\tPhone\tE-mail\tFirst\tLast\t\r\n", true, roles);
    arrangeImportColumns(t, roles);
    EXPECT_EQ((std::vector<std::string>{"First", "Last", "E-mail", "Name", "Phone", ""}), t.row(0));
    t = readBookText("E-mail\tName\tLast\t\r\n", true, roles);
    arrangeImportColumns(t, roles);
    EXPECT_EQ((std::vector<std::string>{"E-mail", "Last", "Name", ""}), t.row(0));
}

} // namespace
} // namespace postling
