// SPDX-License-Identifier: GPL-3.0-or-later
// The search for the first load-factor step of a turn that fails: not held up, or a drag not
// below a thrust. It evaluates few steps yet answers as a step-by-step scan does, because of
// what a stretch is:
//
//   steps    100 ... 137 | 138 ... 161 | 162 ... 420 | 421: not held up
//   brackets  (2, 2)       (3, 3)        (4, 4)          the lift and drag breakpoints read
//   drag      rises        rises         falls            one way only within a stretch
//
// From the weight to the drag each operation of the evaluation is a monotone function of its
// one varying operand while the lift and angle-of-attack brackets stay; so when two held-up
// steps share their brackets, every step between them does too, is held up, and has a drag
// between theirs. A stretch is then settled from its two ends.
#pragma once

#include <algorithm>
#include <cmath>

namespace tz9 {

// One step of a turn as the search needs it.
struct TurnSample {
  bool heldUp = false;   // the evaluation got through its drag
  double drag = 0;       // lbf
  double lift = 0;       // the lift coefficient, for guessing where the stretch ends
  double alpha = 0;      // deg, likewise
  int liftBracket = -1;  // the lift curve's first entry above the lift coefficient; -1 unknown
  int alphaBracket = 0;  // the first angle-of-attack breakpoint above the angle of attack
};

inline bool SameStretch(const TurnSample& a, const TurnSample& b) {
  return a.heldUp && b.heldUp && a.liftBracket >= 0 && a.liftBracket == b.liftBracket &&
         a.alphaBracket == b.alphaBracket;
}

// The first step in first + 1 .. last that is not held up or whose drag is not below `thrust`
// (infinity: being held up alone decides), or last + 1 when none; step `first` passes.
// at(step) gives a step's sample (the caller keeps them, so that none is made twice);
// guessEnd(sample, step) the last step likely still in that step's stretch, a guess only: any
// value gives the same answer, a good one fewer evaluations.
template <typename At, typename GuessEnd>
class TurnStepSearch {
 public:
  TurnStepSearch(const At& at, const GuessEnd& guessEnd) : at_(at), guessEnd_(guessEnd) {}

  // From stretch to stretch, each guessed from its first step and checked at its ends.
  int FirstFailing(int first, int last, double thrust) const {
    int lo = first;
    while (lo < last) {
      const int hi = std::clamp(guessEnd_(at_(lo), lo), lo + 1, last);
      const int found = FirstFailingAfter(lo, hi, thrust);
      if (found <= hi) return found;
      lo = hi;
    }
    return last + 1;
  }

 private:
  static bool Fails(const TurnSample& sample, double thrust) {
    return !sample.heldUp || !(sample.drag < thrust);
  }

  // The first failing step in lo + 1 .. hi, or hi + 1; step lo passes. A stretch is settled from
  // its ends; anything else is halved.
  int FirstFailingAfter(int lo, int hi, double thrust) const {
    if (hi <= lo) return hi + 1;
    const TurnSample high = at_(hi);
    if (SameStretch(at_(lo), high)) {
      return high.drag < thrust ? hi + 1 : FirstAtOrAbove(lo, hi, thrust);
    }
    if (hi - lo == 1) return Fails(high, thrust) ? hi : hi + 1;
    const int mid = lo + (hi - lo) / 2;
    const int left = FirstFailingAfter(lo, mid, thrust);
    if (left <= mid) return left;
    return FirstFailingAfter(mid, hi, thrust);
  }

  // Within one stretch, the drag below the thrust at step `pass` and not at step `fail`: the
  // first step at or above it. The drag is nearly straight in the step, so a guess from the
  // ends and its neighbour usually settle it; halving in between guarantees the end.
  int FirstAtOrAbove(int pass, int fail, double thrust) const {
    for (bool guess = true; fail - pass > 1; guess = !guess) {
      int probe = pass + (fail - pass) / 2;
      if (guess) {
        const double below = at_(pass).drag;
        const double share = (thrust - below) / (at_(fail).drag - below);
        const double step = std::ceil(pass + share * (fail - pass));
        probe = static_cast<int>(std::clamp(step, pass + 1.0, fail - 1.0));
      }
      (at_(probe).drag < thrust ? pass : fail) = probe;
      if (guess && fail - pass > 1) {  // the guess's neighbour on the other side
        const int next = probe == pass ? pass + 1 : fail - 1;
        (at_(next).drag < thrust ? pass : fail) = next;
      }
    }
    return fail;
  }

  const At& at_;
  const GuessEnd& guessEnd_;
};

}  // namespace tz9
