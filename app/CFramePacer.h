#pragma once

// Keeps the frame ticks on a fixed schedule: one tick every period (1/64 s,
// the pace every frame count of the game was made for). A late tick is
// not made up: the next one comes at the next point of the schedule, so a
// stall never turns into a burst of frames.
class CFramePacer {
public:
    static constexpr double kTicksPerSecond = 64.0;

    explicit CFramePacer(double periodSeconds = 1.0 / kTicksPerSecond) : period(periodSeconds) {}

    // The first tick is due at once.
    void Start(double now) { deadline = now; }
    bool IsDue(double now) const { return now >= deadline; }
    double SecondsUntilDue(double now) const { return deadline > now ? deadline - now : 0.0; }
    // After a tick that was due: the next deadline is the first point of
    // the schedule that lies after now.
    void TickTaken(double now);
    double GetDeadline() const { return deadline; }
    double GetPeriod() const { return period; }

private:
    double period;
    double deadline = 0.0;
};
