Sample program module of component AK7, release 1.
