#pragma once
// A shell flown under another gravity with the same picture. A particle at
// age t is at x = v·t and y = g·t²/2 from where it started; scaling every time
// by sqrt(g_from / g_to) and every speed by sqrt(g_to / g_from) leaves both
// unchanged under g_to, so every burst, trail and child lands where it did.
// Times are the births, spreads, lifetimes and trail lengths and the star
// effects' fades, flash, strobe, second colour and spark lifetimes; speeds are
// the start speeds and their spreads, the sparks' speed and the wind; rates
// per time unit (drag, sparks shed) scale as speeds do.
#include "model/particle.h"

namespace kirabel {

struct Shell;

struct GravityScale {
  long double time = 1;   // factor of every time
  long double speed = 1;  // factor of every speed and every rate per time unit

  bool changesNothing() const { return time == 1 && speed == 1; }
};

// The factors from one gravity to another; none (both 1) when either is 0 or
// not finite, when they pull in opposite directions, or when they are equal.
GravityScale GravityScaleBetween(long double from, long double to);

// The set with its times and speeds scaled, each held to its field's limits.
ParticleSet ScaledSet(const ParticleSet& set, const GravityScale& scale);

// The shell as it flies under `gravity`: its sets scaled, and its launch
// settings' start time, interval and wind scaled too, so that its frame n
// shows what it showed before. A shell or gravity of 0 stays as it is.
Shell ScaledToGravity(Shell shell, long double gravity);

}  // namespace kirabel
