Sample program module of component AKP8, release 1.
