// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "links/inetconnection.h"

#include <gtest/gtest.h>

#include "fakeplatform.h"

namespace {

using testing_support::FakePlatform;

TEST(UpdateCheckUrl, JoinsMajorMinorAndRevisionWithoutSeparator) {
  const QString prefix = links::webHost() + QStringLiteral("/tintra/version.asp?Version=");
  EXPECT_EQ(links::updateCheckUrl({1, 2, 2}), prefix + QStringLiteral("122"));
  EXPECT_EQ(links::updateCheckUrl({1, 0, 1}), prefix + QStringLiteral("101"));
  EXPECT_EQ(links::updateCheckUrl({2, 10, 3}), prefix + QStringLiteral("2103"));
}

TEST(WebHost, IsOneHttpHostWithoutTrailingSlash) {
  const QString host = links::webHost();
  EXPECT_TRUE(host.startsWith(QStringLiteral("http://"))) << host.toStdString();
  EXPECT_FALSE(host.endsWith(u'/'));
  EXPECT_EQ(links::siteUrl(), host + QStringLiteral("/tintra"));
}

TEST(UpdateCheck, OpensThePageForTheRunningVersionReadAfresh) {
  FakePlatform platform;
  links::updateCheck(platform);
  platform.programVersion = {2, 10, 3};
  links::updateCheck(platform);
  ASSERT_EQ(platform.openedDocuments.size(), 2);
  EXPECT_TRUE(platform.openedDocuments.at(0).endsWith(QStringLiteral("?Version=122")));
  EXPECT_TRUE(platform.openedDocuments.at(1).endsWith(QStringLiteral("?Version=2103")));
  EXPECT_TRUE(platform.messages.isEmpty());
}

TEST(WebSite, OpensTheSiteUnderTheBusyPointer) {
  FakePlatform platform;
  links::webSite(platform);
  EXPECT_EQ(platform.openedDocuments, QStringList{links::siteUrl()});
  EXPECT_EQ(platform.pointerChanges, (QList<bool>{true, false}));
  EXPECT_FALSE(platform.busy);
  EXPECT_TRUE(platform.messages.isEmpty());
}

TEST(ExecuteLink, FailedLaunchShowsLinkBlankLineAndErrorNumber) {
  FakePlatform platform;
  platform.openResult = 0;
  platform.openError = 4;
  bool busyDuringMessage = true;
  platform.onMessage = [&](const FakePlatform::Message&) { busyDuringMessage = platform.busy; };
  links::ExecuteLink(platform, QStringLiteral("http://www.tintra.example/tintra"));

  ASSERT_EQ(platform.messages.size(), 1);
  const FakePlatform::Message& message = platform.messages.first();
  EXPECT_EQ(message.prompt.split(QStringLiteral("\r\n")),
            (QStringList{QStringLiteral("error Opening Link to http://www.tintra.example/tintra"),
                         QString(), QStringLiteral("4")}));
  EXPECT_EQ(message.style, 0);
  EXPECT_EQ(message.title, QStringLiteral("ExecuteLink"));
  EXPECT_FALSE(busyDuringMessage);
  EXPECT_FALSE(platform.busy);
  EXPECT_EQ(platform.pointerChanges.first(), true);
}

TEST(ExecuteLink, ResultsUpTo32AreFailuresAndAbove32Successes) {
  for (const int result : {0, 2, 31, 32}) {
    FakePlatform platform;
    platform.openResult = result;
    links::ExecuteLink(platform, QStringLiteral("http://x.example/"));
    EXPECT_EQ(platform.messages.size(), 1) << result;
  }
  for (const int result : {33, 42}) {
    FakePlatform platform;
    platform.openResult = result;
    links::ExecuteLink(platform, QStringLiteral("http://x.example/"));
    EXPECT_TRUE(platform.messages.isEmpty()) << result;
    EXPECT_FALSE(platform.busy);
  }
}

}  // namespace
