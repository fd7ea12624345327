#pragma once
// What reading and using a skin needs from the system it runs on: the system
// colours, a few metrics, the optional user-interface functions and the one
// message the skin engine shows. Portable code and tests use the classic
// stand-in; the Windows program installs the real system before its main
// form is read.

#include <memory>

#include "skin/data/image/colour.h"
#include "skin/data/model/skin_data_system_part.h"
#include "skin/data/model/skin_manager_link.h"

class TComponent;

class TSkinEnvironment {
 public:
  virtual ~TSkinEnvironment() = default;
  virtual const TSystemColours& SystemColours() const = 0;
  // Width of a horizontal scroll bar's arrow button (SM_CXHSCROLL).
  virtual int ScrollArrowWidth() const = 0;
  // The size a maximised top-level window has.
  virtual int MaximizedWidth() const = 0;
  virtual int MaximizedHeight() const = 0;
  // Whether GetScrollBarInfo exists on this system.
  virtual bool HasScrollBarInfo() const = 0;
  // Tells the user that an archive is of a format version we do not know.
  virtual void ShowOlderSkinMessage() const = 0;
  // The system's share of a new skin component; none where there is no
  // window system to make it with.
  virtual std::unique_ptr<TSkinDataSystemPart> CreateSkinDataPart() const { return nullptr; }
  // The process's skin manager, created on first call; none where there is
  // no window skinning. It outlives every skin component registered with it.
  virtual TSkinManagerLink* SkinManager() const { return nullptr; }
  // The window of `component` when it is a form that has one; 0 otherwise.
  virtual TWindowHandle FormWindow(const TComponent* /*component*/) const { return 0; }
};

// Classic colours and metrics, every function present, no message.
class TPortableSkinEnvironment final : public TSkinEnvironment {
 public:
  const TSystemColours& SystemColours() const override { return colours_; }
  int ScrollArrowWidth() const override { return 16; }
  int MaximizedWidth() const override { return 1032; }
  int MaximizedHeight() const override { return 776; }
  bool HasScrollBarInfo() const override { return true; }
  void ShowOlderSkinMessage() const override {}

 private:
  TClassicSystemColours colours_;
};

// The environment new skin components take; the portable stand-in until the
// program installs its own (which must outlive every skin component).
const TSkinEnvironment& CurrentSkinEnvironment();
void InstallSkinEnvironment(const TSkinEnvironment& environment);

// Installs an environment while it lives and puts the previous one back.
class TSkinEnvironmentScope {
 public:
  explicit TSkinEnvironmentScope(const TSkinEnvironment& environment) : previous_(CurrentSkinEnvironment()) {
    InstallSkinEnvironment(environment);
  }
  TSkinEnvironmentScope(const TSkinEnvironmentScope&) = delete;
  TSkinEnvironmentScope& operator=(const TSkinEnvironmentScope&) = delete;
  ~TSkinEnvironmentScope() { InstallSkinEnvironment(previous_); }

 private:
  const TSkinEnvironment& previous_;
};
