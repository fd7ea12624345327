#pragma once
// What a skin component asks of the process-wide skin manager. The manager
// lives with the window skinning; the component only knows this interface,
// and reaches the one manager through the skin environment, which creates it
// on first request (none in portable code and tests without windows).

#include <cstdint>

class TSkinData;

// A window handle as the skin engine passes it around portable code.
using TWindowHandle = std::uintptr_t;

// The manager's deferred commands, run by its one-shot timer.
enum class TSkinCommand : unsigned {
  scmActivate = 1,
  scmDeactivate = 2,
  scmSkinChanged = 3,
  scmPurgeDestroyed = 6,
  scmReskinWindow = 7,
};

// The manager's life: no window activated yet, running, being destroyed.
enum class TSkinManagerState : int { smsIdle = 0, smsRunning = 1, smsDestroying = 4 };

class TSkinManagerLink {
 public:
  virtual ~TSkinManagerLink() = default;

  virtual void RegisterSkinData(TSkinData& data) = 0;
  virtual void UnregisterSkinData(TSkinData& data) = 0;
  // Starts watching the creation and activation of the thread's windows.
  virtual void InstallHook() = 0;

  // The component the next command concerns.
  virtual void SetPendingSkinData(TSkinData* data) = 0;
  // Stores the command and (re)starts the one-shot timer; before any window
  // was activated, activation and deactivation only set or clear the
  // manager's active flag.
  virtual void ScheduleCommand(TSkinCommand command, unsigned delay_ms) = 0;

  virtual TSkinManagerState State() const = 0;
  virtual void SetState(TSkinManagerState state) = 0;
  // Skinning on at once, for components that skin only their own form or
  // dialogs: the active flag set and the state counted up by one.
  virtual void ActivateImmediately() = 0;
  // Skins one window now (the window filter applies); true when attached.
  virtual bool SkinWindow(TWindowHandle window) = 0;

  // The component is about to replace its element records and colours: every
  // object that holds one of them lets go (caption buttons, painters).
  virtual void SkinDataReplacing(TSkinData& data) = 0;
};
