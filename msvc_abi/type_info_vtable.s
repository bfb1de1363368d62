# Every type descriptor of the platform compiler's ABI begins with the address
# of type_info's virtual table. msvcrt.dll does not export it under Wine, and
# the module never calls through it (only type_info's own members would), so
# an empty table serves. A host's descriptors point at its own.
	.data
	.globl	"??_7type_info@@6B@"
"??_7type_info@@6B@":
	.long	0, 0
