# The median of a space-separated list of numbers, for the start-up scripts,
# which prepend this file to their own awk program.
function median(list,   n, v, i, j, t) {
    n = split(list, v, " ")
    for (i = 2; i <= n; i++) for (j = i; j > 1 && v[j - 1] + 0 > v[j] + 0; j--) {
        t = v[j]; v[j] = v[j - 1]; v[j - 1] = t
    }
    return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
}
