Sample program module of component UPDATER, release 1.
