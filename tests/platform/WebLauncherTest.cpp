#include "WebLauncher.h"

#include <gtest/gtest.h>

namespace {

TEST(DesktopWebLauncher, BareHostNamesOpenOverHttps) {
    const QList<std::pair<QString, QString>> cases = {
        {"www.example.org", "https://www.example.org"},
        {" www.example.org ", "https://www.example.org"},
        {"https://www.example.org/family", "https://www.example.org/family"},
        {"http://www.example.org", "http://www.example.org"},
    };
    for (const auto& [address, url] : cases) {
        EXPECT_EQ(DesktopWebLauncher::urlOf(address).toString(), url) << address.toStdString();
    }
}

} // namespace
