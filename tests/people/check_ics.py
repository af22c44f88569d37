#!/usr/bin/env python3
"""Reads an .ics with icalendar: each event's summary, start, date in 2023 and transparency."""
import datetime
import sys

try:
    import icalendar
    from dateutil.rrule import rrulestr
except ImportError:
    sys.exit(77)

events = icalendar.Calendar.from_ical(open(sys.argv[1], "rb").read()).walk("VEVENT")
assert len({str(e["UID"]) for e in events}) == len(events), "UIDs repeat"
for e in events:
    start = e.decoded("DTSTART")
    rule = e.get("RRULE") and rrulestr(e["RRULE"].to_ical().decode(), dtstart=datetime.datetime.combine(start, datetime.time()))
    print(e["SUMMARY"], start, rule and rule.after(datetime.datetime(2022, 12, 31)).date(), e["TRANSP"], sep="|")
