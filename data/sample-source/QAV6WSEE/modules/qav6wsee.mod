Sample program module of component QAV6WSEE, release 1.
