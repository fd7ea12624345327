#include "framework/window_proc_hook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr unsigned kPing = 0x8001;

// A control that logs the messages reaching its own handling.
class TLoggingControl : public TControl {
 public:
  TLoggingControl(TComponent* owner, std::string* log) : TControl(owner), log_(log) {}

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == kPing) *log_ += "W";
  }

 private:
  std::string* log_;
};

// A hook that logs its name and passes every message on.
struct TLoggingHook {
  TWindowProcHook hook;
  void Hook(TControl& control, char name, std::string* log) {
    hook.Hook(control, [this, name, log](TMessage& m) {
      if (m.Msg == kPing) *log += name;
      hook.CallSaved(m);
    });
  }
};

class WindowProcHookTest : public ::testing::Test {
 protected:
  // The handlers one message passes, in order.
  std::string Trace() {
    log.clear();
    control->Perform(kPing);
    return log;
  }

  std::string log;
  TComponent owner{nullptr};
  TLoggingControl* control = new TLoggingControl(&owner, &log);
  std::array<TLoggingHook, 3> hooks;
};

}  // namespace

TEST_F(WindowProcHookTest, TheLatestHookRunsFirstAndEachPassesToTheOneItTook) {
  hooks[0].Hook(*control, 'a', &log);
  EXPECT_EQ(Trace(), "aW");
  hooks[1].Hook(*control, 'b', &log);
  EXPECT_EQ(Trace(), "baW");
  hooks[2].Hook(*control, 'c', &log);
  EXPECT_EQ(Trace(), "cbaW");
  EXPECT_TRUE(hooks[1].hook.Hooked());
  EXPECT_EQ(hooks[1].hook.Control(), control);

  // A hook that keeps a message passes nothing on.
  TWindowProcHook keeper;
  keeper.Hook(*control, [](TMessage& m) { m.Result = 7; });
  log.clear();
  EXPECT_EQ(control->Perform(kPing), 7);
  EXPECT_EQ(log, "");
}

TEST_F(WindowProcHookTest, UnhookingInAnyOrderGivesBackTheOriginalHandler) {
  const std::type_info& original = control->WindowProc.target_type();
  std::array<int, 3> order{0, 1, 2};
  do {
    std::string names = "abc";
    for (int i = 0; i < 3; ++i) hooks[i].Hook(*control, names[i], &log);
    for (int i : order) {
      hooks[i].hook.Unhook();
      EXPECT_FALSE(hooks[i].hook.Hooked());
      names.erase(names.find(static_cast<char>('a' + i)), 1);
      const std::string expected = std::string(names.rbegin(), names.rend()) + "W";
      EXPECT_EQ(Trace(), expected) << "after unhooking " << char('a' + i);
    }
    EXPECT_EQ(control->WindowProc.target_type(), original);
  } while (std::next_permutation(order.begin(), order.end()));
}

TEST_F(WindowProcHookTest, HooksFreedBeforeTheControlLeaveItsChainWhole) {
  auto first = std::make_unique<TLoggingHook>();
  auto second = std::make_unique<TLoggingHook>();
  first->Hook(*control, 'a', &log);
  second->Hook(*control, 'b', &log);
  hooks[0].Hook(*control, 'c', &log);
  first.reset();
  EXPECT_EQ(Trace(), "cbW");
  hooks[0].hook.Unhook();
  second.reset();
  EXPECT_EQ(Trace(), "W");
  delete control;
  EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST_F(WindowProcHookTest, AFreedControlLeavesItsHooksUnhookedAndUntouched) {
  hooks[0].Hook(*control, 'a', &log);
  hooks[1].Hook(*control, 'b', &log);
  delete control;
  for (TLoggingHook& h : hooks) {
    EXPECT_FALSE(h.hook.Hooked());
    EXPECT_EQ(h.hook.Control(), nullptr);
  }
  TMessage message{kPing, 0, 0, 0};
  hooks[1].hook.CallSaved(message);
  hooks[0].hook.Unhook();
  EXPECT_EQ(log, "");

  // Freed with their owner, too; a released hook may go on another control.
  auto* box = new TComponent(nullptr);
  hooks[2].Hook(*new TLoggingControl(box, &log), 'c', &log);
  hooks[0].Hook(*new TLoggingControl(box, &log), 'a', &log);
  delete box;
  EXPECT_FALSE(hooks[0].hook.Hooked());
  EXPECT_FALSE(hooks[2].hook.Hooked());
}

TEST_F(WindowProcHookTest, AHookMayLeaveFromItsOwnHandlerAndStillPassTheMessageOn) {
  hooks[0].Hook(*control, 'a', &log);
  TWindowProcHook leaving;
  leaving.Hook(*control, [&](TMessage& m) {
    log += "x";
    leaving.Unhook();
    leaving.CallSaved(m);
  });
  hooks[1].Hook(*control, 'b', &log);
  EXPECT_EQ(Trace(), "bxaW");
  EXPECT_EQ(Trace(), "baW");
  TMessage message{kPing, 0, 0, 0};
  leaving.CallSaved(message);  // no longer hooked, not running: goes nowhere
  EXPECT_EQ(log, "baW");
}

TEST_F(WindowProcHookTest, AHookUnderAForeignHandlerStepsAsideWhenUnhooked) {
  hooks[0].Hook(*control, 'a', &log);
  const TWndMethod saved = control->WindowProc;
  control->WindowProc = [&](TMessage& m) {
    if (m.Msg == kPing) log += "f";
    saved(m);
  };
  hooks[0].hook.Unhook();
  EXPECT_EQ(Trace(), "fW");
  control->WindowProc = saved;
  EXPECT_EQ(Trace(), "W");
}

namespace {

constexpr unsigned kRelease = 0x8002;
constexpr unsigned kReleaseAndFail = 0x8003;
constexpr unsigned kNested = 0x8004;

// Frees itself on request once the message has returned, as a form does.
class TReleasingControl : public TControl {
 public:
  TReleasingControl(TComponent* owner, std::vector<std::string>* log) : TControl(owner), log_(log) {}
  ~TReleasingControl() override { log_->push_back("freed"); }

 protected:
  void WndProc(TMessage& message) override {
    switch (message.Msg) {
      case kRelease:
        return FreeAfterDispatch();
      case kReleaseAndFail:
        FreeAfterDispatch();
        throw Exception("failed");
      case kNested:
        Perform(kRelease);
        log_->push_back("nested returned");
        return;
      default:
        return;
    }
  }

 private:
  std::vector<std::string>* log_;
};

}  // namespace

TEST(FreeAfterDispatch, TheControlGoesOnlyOnceEveryHandlerOfTheMessageReturned) {
  for (unsigned msg : {kRelease, kNested, kReleaseAndFail}) {
    std::vector<std::string> log;
    TComponent owner(nullptr);
    auto* control = new TReleasingControl(&owner, &log);
    TWindowProcHook hook;
    hook.Hook(*control, [&](TMessage& m) {
      hook.CallSaved(m);
      // Still whole here: the hook reads the control after the call.
      log.push_back(control->ClassName());
    });
    if (msg == kReleaseAndFail) {
      EXPECT_THROW(control->Perform(msg), Exception);
    } else {
      control->Perform(msg);
    }
    std::vector<std::string> expected{"TControl", "freed"};
    if (msg == kNested) expected = {"TControl", "nested returned", "TControl", "freed"};
    if (msg == kReleaseAndFail) expected = {"freed"};
    EXPECT_EQ(log, expected) << msg;
    EXPECT_EQ(owner.ComponentCount(), 0);
    EXPECT_FALSE(hook.Hooked());
  }
}

namespace {

// Sends a message as it starts to go, as a windowed control's window does.
class TClosingControl : public TLoggingControl {
 public:
  using TLoggingControl::TLoggingControl;

 protected:
  void BeforeDestruction() noexcept override {
    Perform(kPing);
    TLoggingControl::BeforeDestruction();
  }
};

}  // namespace

TEST(ComponentFreeing, LastMessagesReachTheWholeObjectAndItsHooksOnEveryPath) {
  std::string log;
  TLoggingHook hook;
  TComponent owner(nullptr);
  TControl* control = new TClosingControl(&owner, &log);
  hook.Hook(*control, 'h', &log);
  delete control;  // through the base
  EXPECT_EQ(log, "hW");
  EXPECT_FALSE(hook.hook.Hooked());

  log.clear();
  auto* parent = new TControl(&owner);
  auto* child = new TClosingControl(&owner, &log);
  child->SetParent(parent);
  hook.Hook(*child, 'h', &log);
  delete parent;  // children go with their parent
  EXPECT_EQ(log, "hW");

  log.clear();
  auto* inner = new TComponent(&owner);
  new TClosingControl(inner, &log);
  new TClosingControl(inner, &log);
  inner->Free();  // owners free what they own
  EXPECT_EQ(log, "WW");
  EXPECT_EQ(owner.ComponentCount(), 0);
}
