#include "app/web_browser.h"

#include <gtest/gtest.h>

namespace {

TEST(WebBrowser, AbsoluteHttpAndHttpsAddressesAreWebAddresses) {
  for (const char* text : {"https://www.example.org/wendrel/games.html", "http://example.org",
                           "HTTPS://EXAMPLE.ORG/", "http://example.org:8080/a?b=c#d",
                           "https://[2001:db8::1]/", "https://example.org/a;b|c$(d)"}) {
    EXPECT_TRUE(IsWebAddress(QString::fromLatin1(text))) << text;
  }
}

TEST(WebBrowser, OtherTextIsNoWebAddress) {
  for (const char* text :
       {"", "file:///etc/passwd", "ftp://example.org/", "mailto:games@example.org", "-new-window",
        "--help", "example.org", "//example.org/", "https:example.org", "https://", "http:///path",
        "https://exa mple.org/", "https://example.org/\t", "https://example.org/\r\n-x",
        "\x7fhttps://example.org/", "https://example.org/\x7f"}) {
    EXPECT_FALSE(IsWebAddress(QString::fromLatin1(text))) << text;
  }
}

}  // namespace
