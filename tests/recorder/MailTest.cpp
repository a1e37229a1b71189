// The mail hand-over: the name=value list becomes one message for the
// mail program, handed over without making the caller wait.

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>

#include "platform/os/MailClient.h"
#include "recorder/GlobeVar.h"

namespace {

// Stands in for the mail program and keeps what it was given.
class RecordingMailClient : public IMailClient {
 public:
  RecordingMailClient() { SetMailClient(this); }
  ~RecordingMailClient() override { SetMailClient(nullptr); }

  bool SendMail(const TMailMessage& message, TLaunchFailed) override {
    std::lock_guard<std::mutex> lock(mutex_);
    received_ = message;
    arrived_.notify_all();
    return true;
  }

  // The message, once the hand-over thread has delivered it.
  std::optional<TMailMessage> Wait() {
    std::unique_lock<std::mutex> lock(mutex_);
    arrived_.wait_for(lock, std::chrono::seconds(30), [this] { return received_.has_value(); });
    return received_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::optional<TMailMessage> received_;
};

TStringList Lines(std::initializer_list<const char*> lines) {
  TStringList list;
  for (const char* line : lines) list.Add(line);
  return list;
}

TEST(SendMailMapi, BuildsOneMessageFromTheList) {
  RecordingMailClient mail;
  EXPECT_EQ(SendMailMapi(nullptr, Lines({"to=ann@example.org", "subject=Share with you", "body=Hi",
                                         "attachment0=/rec/Recorded 2026-12-09 10-00-00.mp3"})),
            SUCCESS_SUCCESS);
  std::optional<TMailMessage> message = mail.Wait();
  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(message->To, "ann@example.org");
  EXPECT_EQ(message->Subject, "Share with you");
  EXPECT_EQ(message->Body, "Hi");
  ASSERT_EQ(message->Attachments.size(), 1u);
  EXPECT_EQ(message->Attachments[0], "/rec/Recorded 2026-12-09 10-00-00.mp3");
}

TEST(SendMailMapi, AttachmentsStopAtTheFirstMissingIndex) {
  RecordingMailClient mail;
  SendMailMapi(nullptr, Lines({"attachment0=/a.wav", "attachment2=/c.wav", "subject=x"}));
  std::optional<TMailMessage> message = mail.Wait();
  ASSERT_TRUE(message.has_value());
  ASSERT_EQ(message->Attachments.size(), 1u);
  EXPECT_EQ(message->Attachments[0], "/a.wav");
}

TEST(SendMailMapi, EmptyValuesAreLeftOut) {
  RecordingMailClient mail;
  SendMailMapi(nullptr, Lines({"to=", "attachment0=", "attachment1=/b.wav", "body="}));
  std::optional<TMailMessage> message = mail.Wait();
  ASSERT_TRUE(message.has_value());
  EXPECT_TRUE(message->To.empty());  // the mail program asks for a recipient
  EXPECT_TRUE(message->Body.empty());
  EXPECT_TRUE(message->Attachments.empty());
}

// A mail program that stays busy until the test lets it finish; one
// that is never let go gives up after a while, so that a hand-over that
// waits for it ends the test instead of hanging it.
class BusyMailClient : public IMailClient {
 public:
  BusyMailClient() { SetMailClient(this); }
  ~BusyMailClient() override {
    SetMailClient(nullptr);
    std::unique_lock<std::mutex> lock(mutex_);
    released_ = true;
    changed_.notify_all();
    changed_.wait(lock, [this] { return done_; });
  }
  bool SendMail(const TMailMessage&, TLaunchFailed) override {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait_for(lock, std::chrono::seconds(30), [this] { return released_; });
    done_ = true;
    changed_.notify_all();
    return true;
  }
  bool Done() {
    std::lock_guard<std::mutex> lock(mutex_);
    return done_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool released_ = false, done_ = false;
};

// The window goes on while the mail program is still busy.
TEST(SendMailMapi, ReturnsBeforeTheMailProgramIsDone) {
  BusyMailClient mail;
  SendMailMapi(nullptr, Lines({"attachment0=/a.wav"}));
  EXPECT_FALSE(mail.Done());
}

}  // namespace
