#pragma once

#include "HtmlPage.h"
#include "SiteClient.h"

#include <gtest/gtest.h>
#include <memory>

namespace standin::testing {

// One seeded stand-in shared by the tests of a suite; each test signs in afresh.
class SiteTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server_ = std::make_unique<StandinProcess>(); }
    static void TearDownTestSuite() { server_.reset(); }

    static int port() { return server_->port(); }
    static StandinProcess& server() { return *server_; }

    // Signs in and returns where the site sent the browser.
    static std::string yahooLogin(SiteClient& client, const std::string& login) {
        auto r = client.post("/config/login", "login=" + login + "&passwd=" + login);
        EXPECT_TRUE(r);
        EXPECT_EQ(302, r->status);
        return r->get_header_value("Location");
    }
    static std::string hotmailLogin(SiteClient& client, const std::string& login) {
        auto r = client.post("/cgi-bin/dologin", "login=" + login + "&passwd=" + login);
        EXPECT_TRUE(r);
        EXPECT_EQ(302, r->status);
        return r->get_header_value("Location");
    }
    static std::unique_ptr<HtmlPage> page(const httplib::Result& r, int status = 200) {
        EXPECT_TRUE(r);
        if (!r)
            return std::make_unique<HtmlPage>("<html></html>");
        EXPECT_EQ(status, r->status);
        return std::make_unique<HtmlPage>(r->body);
    }

private:
    static inline std::unique_ptr<StandinProcess> server_;
};

} // namespace standin::testing
