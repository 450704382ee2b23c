Sample program module of component CORE, release 1.
