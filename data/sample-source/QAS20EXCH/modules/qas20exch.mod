Sample program module of component QAS20EXCH, release 1.
