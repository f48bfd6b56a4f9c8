"""The world's time of day: game minutes run on from the server's start at a
fixed rate, so every player sees the same sky."""

import time

MINUTES_PER_DAY = 24 * 60


class GameClock:
    def __init__(self, start_minute, rate, overcast_hours, now=time.monotonic):
        self._start_minute = start_minute
        self._rate = rate
        self._overcast_hours = overcast_hours
        self._now = now
        self._started = now()

    def minute(self):
        """Minutes since in-game midnight, 0 to 1439."""
        return int(self._start_minute + (self._now() - self._started) * self._rate) % MINUTES_PER_DAY

    def overcast(self, minute):
        return minute // 60 in self._overcast_hours

    @staticmethod
    def text(minute):
        """A twelve-hour clock text such as "7:05 am" or "12:30 pm"."""
        hour, minutes = divmod(minute % MINUTES_PER_DAY, 60)
        return "%d:%02d %s" % ((hour + 11) % 12 + 1, minutes, "am" if hour < 12 else "pm")
