// The part of the page adapter that needs no browser: pairing a form post with its navigation.
#include "FormPostCapture.h"
#include "Testkit.h"

namespace {

// Entries as [name, value] pairs; an initializer list keeps a single pair from being taken
// for the whole list.
QVariantMap report(std::initializer_list<QVariantList> pairs, const QString& method = "post",
                   const QString& charset = "UTF-8", const QString& action = {}) {
    QVariantList entries;
    for (const QVariantList& p : pairs)
        entries.append(QVariant(p));
    return {{"entries", entries},
            {"method", method},
            {"enctype", "application/x-www-form-urlencoded"},
            {"charset", charset},
            {"action", action}};
}

QVariantList pair(const QString& name, const QString& value) {
    return {name, value};
}

} // namespace

class PageAdapterTest : public QObject {
    Q_OBJECT
    std::unique_ptr<FormPostCapture> capture;
    std::unique_ptr<QSignalSpy> posted;
    qint64 clock = 0;

private slots:
    void init() {
        capture = std::make_unique<FormPostCapture>();
        capture->setClock([this] { return clock; });
        posted = std::make_unique<QSignalSpy>(capture.get(), &FormPostCapture::posted);
        clock = 0;
    }

    void pairsAReportAndItsNavigationInEitherOrder() {
        clock = 1000;
        capture->report(report({pair("a", "1")}));
        QCOMPARE(posted->count(), 0);
        capture->navigationRequested("http://x/compose", "http://x/send");
        QCOMPARE(posted->count(), 1);
        QCOMPARE(posted->at(0).at(0).toString(), QString("http://x/compose"));
        QCOMPARE(posted->at(0).at(1).toString(), QString("http://x/send"));
        QCOMPARE(posted->at(0).at(2).toByteArray(), QByteArray("a=1"));

        capture->navigationRequested("http://x/compose", "http://x/send2");
        QCOMPARE(posted->count(), 1);
        clock += 500;
        capture->report(report({pair("b", "2")}));
        QCOMPARE(posted->count(), 2);
        QCOMPARE(posted->at(1).at(2).toByteArray(), QByteArray("b=2"));
    }

    void theLatestReportIsTheSubmissionAndStaleOnesAreDropped() {
        capture->report(report({pair("stale", "1")})); // a page's own FormData, never sent
        clock += 5000;
        capture->navigationRequested("u", "t");
        QCOMPARE(posted->count(), 0);
        clock += 5000;
        capture->report(report({pair("late", "1")})); // too late for that navigation
        QCOMPARE(posted->count(), 0);

        clock += 5000;
        capture->report(report({pair("scripted", "1")}));
        clock += 100;
        capture->report(report({pair("submitted", "1")}));
        capture->navigationRequested("u", "t");
        QCOMPARE(posted->count(), 1);
        QCOMPARE(posted->at(0).at(2).toByteArray(), QByteArray("submitted=1"));
        capture->navigationRequested("u", "t2");
        QCOMPARE(posted->count(), 1);
    }

    // A form posted into a hidden frame pairs only with that frame's navigation to its action.
    void aPostIntoAFramePairsByItsAddressInEitherOrder() {
        const QString send = "http://rc/?_task=mail&_framed=1";

        capture->report(report({pair("_to", "b")}, "post", "UTF-8", send));
        capture->frameNavigationRequested("http://rc/?_action=compose", "http://rc/watermark.html");
        QCOMPARE(posted->count(), 0); // another frame's page
        capture->frameNavigationRequested("http://rc/?_action=compose", send);
        QCOMPARE(posted->count(), 1);
        QCOMPARE(posted->at(0).at(0).toString(), QString("http://rc/?_action=compose"));
        QCOMPARE(posted->at(0).at(2).toByteArray(), QByteArray("_to=b"));

        clock += 5000;
        capture->frameNavigationRequested("http://rc/?_action=compose", send);
        clock += 100;
        capture->report(report({pair("_to", "c")}, "post", "UTF-8", send));
        QCOMPARE(posted->count(), 2);
        QCOMPARE(posted->at(1).at(2).toByteArray(), QByteArray("_to=c"));
        capture->report(report({pair("_to", "d")}, "post", "UTF-8", "http://rc/other"));
        QCOMPARE(posted->count(), 2); // a frame navigation waits for its own address only
    }
};

QTEST_GUILESS_MAIN(PageAdapterTest)
#include "PageAdapterTest.moc"
