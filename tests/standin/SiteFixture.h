#pragma once

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
    static std::string login(SiteClient& client, bool yahoo, const std::string& name) {
        auto r = client.post(yahoo ? "/config/login" : "/cgi-bin/dologin",
                             "login=" + name + "&passwd=" + name);
        EXPECT_TRUE(r);
        EXPECT_EQ(302, r->status);
        return r ? r->get_header_value("Location") : "";
    }

private:
    static inline std::unique_ptr<StandinProcess> server_;
};

} // namespace standin::testing
