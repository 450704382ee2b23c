Sample program module of component AK6, release 1.
